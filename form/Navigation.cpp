// Keyboard navigation: Enter walks each page's settings controls in the
// layout's order; Enter in the last control of a page moves on to the next
// page and shows the settings record afresh. The four pages form a cycle.
// The page keys turn the pages as a click on a tab does.
#include "Form.h"
#include "Layout.h"

namespace qm {

namespace {

const int kPages = 4;

// The first settings control of a page: where its Enter chain starts.
Id firstSettingOf(int page) {
    for (const Control& c : FormControls())
        if (RuleOf(c) && PageOf(c.id) == page)
            return c.id;
    return Id::None;
}

} // namespace

void Form::enterPressed(Id control) {
    report("enter", control, {}, [&] {
        if (!RuleOf(Layout(control)))
            return;
        const int page = PageOf(control);
        bool passed = false;
        for (const Control& c : FormControls()) {
            if (passed && RuleOf(c) && PageOf(c.id) == page) {
                view_.setFocus(c.id, FocusWay::Step);
                return;
            }
            passed = passed || c.id == control;
        }
        changePageByEnter((page + 1) % kPages);
    });
}

void Form::changePageByEnter(int page) {
    // A page change by Enter is not the user's pick of a tab: no
    // PageControl1Change. The focus goes to the first control of the new
    // page, not to the one that had it when the page was last left; where
    // that is no settings control (a group box), the window is repainted
    // and the focus goes on to the first settings control.
    view_.setPage(page);
    const Id first = firstTabStopOf(page);
    view_.setFocus(first, FocusWay::Step);
    Show_all();
    if (const Id chain = firstSettingOf(page); chain != first) {
        view_.repaint();
        view_.setFocus(chain, FocusWay::Step);
    }
}

Id Form::firstTabStopOf(int page) const {
    for (const Control& c : FormControls())
        if (c.tabStop && PageOf(c.id) == page && view_.enabled(c.id) && view_.shown(c.id))
            return c.id;
    return Id::PageControl1;
}

void Form::pageTurned(PageTurn turn) {
    report("turn", Id::None, turn == PageTurn::Next ? "next" : "previous", [&] {
        const int from = view_.page();
        const int to = (from + (turn == PageTurn::Next ? 1 : kPages - 1)) % kPages;
        const Id had = view_.focused();
        view_.setPage(to);
        // As a click on the page's tab: the page change rule runs.
        PageControl1Change();
        // The focus stays on the tab strip and on the command buttons; from
        // the page left it goes to the new page's first tab stop that takes
        // it, else to the tab strip.
        if (had != Id::PageControl1 && had != Id::None && PageOf(had) == from)
            view_.setFocus(firstTabStopOf(to), FocusWay::Step);
    });
}

} // namespace qm
