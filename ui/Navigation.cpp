// Keyboard navigation: Enter walks each page's chain of controls; Enter in
// the last control of a page moves on to the next page and shows the settings
// record afresh. The four pages form a cycle. Tab keeps the window's tab order.
#include "TForm1.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabWidget>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qm {

namespace {

struct Chain {
    std::vector<const char*> controls; // in the page's tab order
    int nextPage;
};

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

// Watches Enter in the controls of the chains. It only moves the focus: the
// key then goes on to the control as usual.
class EnterNavigator : public QObject {
public:
    struct Step {
        QWidget* next = nullptr; // the control that takes the focus, or
        int page = -1;           // the page to change to
    };

    EnterNavigator(QObject* parent, std::function<void(int)> changePage)
        : QObject(parent), changePage_(std::move(changePage)) {}

    void add(QWidget* control, Step step) {
        steps_[control] = step;
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false; // Shift, Ctrl and Alt do not matter
        const auto found = steps_.find(watched);
        if (found == steps_.end())
            return false;
        if (found->second.next)
            found->second.next->setFocus(Qt::TabFocusReason);
        else
            changePage_(found->second.page);
        return false;
    }

private:
    std::function<void(int)> changePage_;
    std::map<QObject*, Step> steps_;
};

QWidget* control(QWidget& form, const char* name) {
    auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
    if (!w)
        throw std::logic_error(std::string("The window has no control ") + name);
    return w;
}

} // namespace

void TForm1::installEnterChains() {
    auto* navigator = new EnterNavigator(this, [this](int page) { changePageByEnter(page); });
    for (const Chain& chain : chains()) {
        for (std::size_t i = 0; i < chain.controls.size(); ++i) {
            EnterNavigator::Step step;
            if (i + 1 < chain.controls.size())
                step.next = control(*this, chain.controls[i + 1]);
            else
                step.page = chain.nextPage;
            navigator->add(control(*this, chain.controls[i]), step);
        }
    }
}

void TForm1::changePageByEnter(int page) {
    QWidget* const from = focusWidget();
    {
        // A page change by Enter is not the user's pick of a tab.
        const QScopedValueRollback<bool> byCode(pageChangeByCode_, true);
        widget<QTabWidget>("PageControl1")->setCurrentIndex(page);
    }
    // The focus goes to the first control of the new page in tab order, not
    // to the one that had it when the page was last left.
    QWidget* const target = widget<QTabWidget>("PageControl1")->widget(page);
    for (QWidget* w = from ? from->nextInFocusChain() : nullptr; w && w != from;
         w = w->nextInFocusChain()) {
        if (target->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisible()) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    Show_all();
    if (page == 3) {
        repaint();
        widget<QRadioButton>("RadioButton1")->setFocus(Qt::TabFocusReason);
    }
}

} // namespace qm
