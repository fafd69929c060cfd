// The serial entry once offered: shown whichever page the window shows.
#include "UiTest.h"

#include "Settings.h"

namespace qmtest {
namespace {

using ShowAllTest = WindowTest;

TEST_F(ShowAllTest, SerialEntryVisibilityIsItsOwnWhicheverPageShows) {
    record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->form().Show_all();
    clickTab(2);
    EXPECT_FALSE(find("Edit21")->isVisible()); // its page is not shown ...
    EXPECT_FALSE(find("Edit21")->isHidden());  // ... but the entry is on
}

} // namespace
} // namespace qmtest
