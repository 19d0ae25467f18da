// The manual page keeps up with the menus: a key added to a menu and left out of the page is caught
// here rather than by a player who reads `man brackenhollow`.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/WindowMenus.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

// The page's source as a reader sees it: groff's escaped minus signs plain.
std::string ManualPageText() {
  std::ifstream file(BRACKENHOLLOW_MANUAL_PAGE);
  std::stringstream text;
  text << file.rdbuf();
  std::string page = text.str();
  for (std::size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at)) page.erase(at, 1);
  return page;
}

TEST(ManualPage, ListsEveryKeyOfTheMenus) {
  testing::Application();  // the standard keys (New, Open, Zoom In, ...) are the platform's
  const std::string page = ManualPageText();
  ASSERT_NE(page.find(".SH KEYS"), std::string::npos) << BRACKENHOLLOW_MANUAL_PAGE;
  for (const MenuItem& item : MenuItems()) {
    for (const QKeySequence& key : item.shortcuts) {
      const std::string keys = key.toString(QKeySequence::PortableText).toStdString();
      EXPECT_NE(page.find(keys), std::string::npos)
          << keys << " (" << QString(item.text).remove(QLatin1Char('&')).toStdString() << ") is not in the page";
    }
  }
}

}  // namespace
}  // namespace brackenhollow
