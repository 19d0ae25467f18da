#include "store/ActionTransaction.h"

#include <sqlite3.h>

#include "store/GameDatabase.h"

namespace brackenhollow {

namespace {

// One name for every level: RELEASE and ROLLBACK TO act on the innermost savepoint of that name.
constexpr char kBegin[] = "SAVEPOINT action";
constexpr char kRelease[] = "RELEASE action";
constexpr char kRollBackTo[] = "ROLLBACK TO action";

}  // namespace

ActionTransaction::ActionTransaction(GameDatabase& database, Kind kind) : m_database(database), m_kind(kind) {
  m_outermost = m_database.m_openTransactions == 0;
  if (!m_database.Execute(kBegin)) return;
  m_active = true;
  ++m_database.m_openTransactions;
  if (m_outermost) m_database.m_storeFailedInTransaction = false;
  ActionObserver* observer = m_database.m_actionObserver;
  if (m_outermost && m_kind == Kind::Action && observer != nullptr) observer->ActionBegan(m_database.Handle());
}

ActionTransaction::~ActionTransaction() { RollBack(); }

bool ActionTransaction::Lost() const { return m_active && sqlite3_get_autocommit(m_database.Handle()) != 0; }

bool ActionTransaction::Commit() {
  if (!m_active) return false;
  ActionObserver* observer = m_kind == Kind::Action && m_outermost ? m_database.m_actionObserver : nullptr;
  // A write that failed for lack of a usable store leaves the action half done: none of it may stay.
  bool whole = !m_database.m_storeFailedInTransaction && !Lost();
  if (whole && observer != nullptr) whole = observer->ActionCommitting(m_database.Handle());
  if (!whole || !m_database.Execute(kRelease)) {
    RollBack();
    return false;
  }
  m_active = false;
  --m_database.m_openTransactions;
  if (observer != nullptr) observer->ActionEnded(m_database.Handle(), true);
  return true;
}

void ActionTransaction::RollBack() {
  if (!m_active) return;
  m_active = false;
  --m_database.m_openTransactions;
  // The enclosing level must not commit the rest of a step whose part failed.
  m_database.m_storeFailedInTransaction = true;
  sqlite3* connection = m_database.Handle();
  if (sqlite3_get_autocommit(connection) == 0) {
    if (m_outermost) {
      // A whole ROLLBACK also ends a transaction whose commit failed half-way (a busy or full store).
      m_database.Execute("ROLLBACK");
    } else if (m_database.Execute(kRollBackTo)) {
      m_database.Execute(kRelease);
    }
  }
  ActionObserver* observer = m_kind == Kind::Action && m_outermost ? m_database.m_actionObserver : nullptr;
  if (observer != nullptr) observer->ActionEnded(connection, false);
}

}  // namespace brackenhollow
