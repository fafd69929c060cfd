// Keyboard navigation: Enter walks each page's chain of controls; Enter in
// the last control of a page moves on to the next page and shows the settings
// record afresh. The four pages form a cycle. The page keys turn the pages
// as a click on a tab does.
#include "Form.h"
#include "Layout.h"

#include <vector>

namespace qm {

namespace {

struct Chain {
    std::vector<const char*> controls; // in the page's tab order
    int nextPage;
};

// Enter walks each page's chain; Enter in the last control of a page moves
// on to the next page. The four pages form a cycle.
const std::vector<Chain>& chains() {
    static const std::vector<Chain> table = {
        {{"Edit7", "Edit12", "Edit10", "Edit3", "Edit8", "Edit5"}, 1},
        {{"ComboBox35", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
          "CheckBox6",  "Edit24",    "Edit30",    "Edit25",    "Edit1",     "Edit2",
          "Edit4",      "Edit6",     "Edit9",     "Edit11",    "Edit13",    "Edit14",
          "Edit15",     "Edit16",    "Edit17",    "Edit18",    "Edit19",    "Edit20",
          "Edit34",     "Edit22",    "Edit23"},
         2},
        {{"CheckBox7", "MaskEdit1", "CheckBox13", "Edit59", "CheckBox8", "MaskEdit3", "Edit54",
          "Edit55", "Edit41", "Edit57", "Edit58", "Edit28", "Edit29", "Edit31", "Edit32", "Edit33"},
         3},
        {{"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "ComboBox1", "Edit26",
          "Edit27"},
         0},
    };
    return table;
}

// The first control of each page in tab order that takes the focus (the
// serial entry is no tab stop).
const char* const kFirstOfPage[4] = {"Edit7", "ComboBox35", "CheckBox7", "GroupBox4"};

const char* const kPageControl = "PageControl1";
const int kPages = 4;

} // namespace

int PageOf(std::string_view control) {
    const Control* c = FindControl(std::string(control));
    while (c && c->kind != ControlKind::TabPage)
        c = FindControl(c->parent);
    if (!c)
        return -1;
    int page = 0;
    for (const Control& p : FormControls()) {
        if (p.kind != ControlKind::TabPage)
            continue;
        if (p.name == c->name)
            return page;
        ++page;
    }
    return -1;
}

void Form::enterPressed(std::string_view control) {
    guarded([&] {
        for (const Chain& chain : chains())
            for (std::size_t i = 0; i < chain.controls.size(); ++i) {
                if (control != chain.controls[i])
                    continue;
                if (i + 1 < chain.controls.size())
                    view_.setFocus(chain.controls[i + 1], FocusWay::Step);
                else
                    changePageByEnter(chain.nextPage);
                return;
            }
    });
}

void Form::changePageByEnter(int page) {
    // A page change by Enter is not the user's pick of a tab: no
    // PageControl1Change. The focus goes to the first control of the new
    // page, not to the one that had it when the page was last left.
    view_.setPage(page);
    view_.setFocus(kFirstOfPage[page], FocusWay::Step);
    Show_all();
    if (page == 3) {
        view_.repaint();
        view_.setFocus("RadioButton1", FocusWay::Step);
    }
}

std::string Form::firstTabStopOf(int page) const {
    for (const Control& c : FormControls())
        if (c.tabStop && TakesFocus(c) && PageOf(c.name) == page && view_.enabled(c.name) &&
            view_.shown(c.name))
            return c.name;
    return kPageControl;
}

void Form::pageTurned(PageTurn turn) {
    guarded([&] {
        const int from = view_.page();
        const int to = (from + (turn == PageTurn::Next ? 1 : kPages - 1)) % kPages;
        const std::string had = view_.focused();
        view_.setPage(to);
        // As a click on the page's tab: the page change rule runs.
        PageControl1Change();
        // The focus stays on the tab strip and on the command buttons; from
        // the page left it goes to the new page's first tab stop that takes
        // it, else to the tab strip.
        if (had != kPageControl && PageOf(had) == from)
            view_.setFocus(firstTabStopOf(to), FocusWay::Step);
    });
}

} // namespace qm
