// The query object against real store files: what a caller reads in the odd cases, and values that
// are bound whole.

#include <gtest/gtest.h>

#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

class GameRecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(database.Execute("CREATE TABLE things (name TEXT, amount INTEGER, note TEXT)"));
    ASSERT_TRUE(database.Execute("INSERT INTO things VALUES ('twin', 1, NULL), ('twin', 2, 'b'), ('solo', 3, 'c')"));
  }

  std::string Read(const std::string& sql, int field = 0) {
    GameRecordset query(database);
    if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly)) return "<not open>";
    return query.GetFieldText(field);
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
};

TEST_F(GameRecordsetTest, RejectedStatementReturnsFalseAndLeavesNothingOpen) {
  GameRecordset query(database);
  ASSERT_TRUE(query.Open("select name from things", kCursorForwardOnly, kLockReadOnly));
  EXPECT_FALSE(query.Open("Drop Table missing", kCursorForwardOnly, kLockReadOnly));
  EXPECT_FALSE(query.Open("this is not sql", kCursorForwardOnly, kLockReadOnly));
  EXPECT_FALSE(query.IsEOF());
  EXPECT_FALSE(query.MoveFirst());
  EXPECT_EQ(query.GetFieldText(0), "0");
}

TEST_F(GameRecordsetTest, OddReadsGiveEmptyOrZero) {
  // Past the last row without looking at IsEOF, a null field, a field beyond the result.
  EXPECT_EQ(Read("select name from things where name = 'nobody'"), "Empty");
  EXPECT_EQ(Read("select note from things where amount = 1"), "Empty");
  EXPECT_EQ(Read("select name from things", 5), "0");
  EXPECT_EQ(Read("select name from things", -1), "0");
  EXPECT_EQ(Read("select amount from things where name = 'solo'"), "3");
}

TEST_F(GameRecordsetTest, WalksRowsAndRewinds) {
  GameRecordset query(database);
  ASSERT_TRUE(query.Open("select amount from things order by amount", kCursorForwardOnly, kLockReadOnly));
  std::string seen;
  for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) seen += query.GetFieldText(0);
  EXPECT_EQ(seen, "123");
  EXPECT_FALSE(query.MoveNext());
  ASSERT_TRUE(query.MoveFirst());
  EXPECT_EQ(query.GetFieldText(0), "1");
  EXPECT_EQ(query.GetFieldName(0), "amount");
}

TEST_F(GameRecordsetTest, SecondOpenReplacesTheFirstResult) {
  GameRecordset query(database);
  ASSERT_TRUE(query.Open("select name from things where amount = 3", kCursorForwardOnly, kLockReadOnly));
  ASSERT_TRUE(query.Open("select note from things where amount = 2", kCursorForwardOnly, kLockReadOnly));
  EXPECT_EQ(query.GetFieldText(0), "b");
  // An open result that is closed by destruction must not keep the table locked.
  { GameRecordset left(database); ASSERT_TRUE(left.Open("select * from things", kCursorForwardOnly, kLockReadOnly)); }
  query.Close();
  EXPECT_TRUE(database.Execute("DROP TABLE things"));
}

TEST_F(GameRecordsetTest, BoundValuesAreTakenWholeAndMustMatchTheParameters) {
  const std::string withNul("tw\0in", 5);
  const std::string withMark = "\xEF\xBB\xBFtwin";
  GameRecordset query(database);
  ASSERT_TRUE(query.Open("INSERT INTO things VALUES (?, ?, ?)", kCursorForwardOnly, kLockReadOnly,
                         {withNul, 7LL, withMark}));
  ASSERT_TRUE(query.Open("select note, amount from things where name = ?", kCursorForwardOnly, kLockReadOnly,
                         {withNul}));
  EXPECT_EQ(query.GetFieldText(0), withMark);
  EXPECT_EQ(query.GetFieldText(1), "7");
  // Neither the text cut at its NUL nor the text without its mark is the same name.
  EXPECT_EQ(Read("select count(*) from things where name = 'tw'"), "0");
  EXPECT_EQ(Read("select count(*) from things where note = 'twin'"), "0");

  EXPECT_FALSE(query.Open("select name from things where name = ?", kCursorForwardOnly, kLockReadOnly));
  EXPECT_FALSE(query.Open("select name from things", kCursorForwardOnly, kLockReadOnly, {std::string("x")}));
  EXPECT_FALSE(query.MoveFirst()) << "a refused Open leaves nothing open";
}

TEST_F(GameRecordsetTest, SecondStatementInOneTextIsRefused) {
  GameRecordset query(database);
  EXPECT_FALSE(query.Open("select 1; DROP TABLE things", kCursorForwardOnly, kLockReadOnly));
  EXPECT_EQ(Read("select count(*) from things"), "3");
}

}  // namespace
}  // namespace brackenhollow
