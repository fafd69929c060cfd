// Random edits through the window's bindings, made with real key and mouse
// events, never put a value outside its control's bounds into the record and
// never touch bits 6 and 7 of the banknote set.
#include "UiTest.h"

#include "Bindings.h"
#include "Set_def.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <random>

namespace qmtest {
namespace {

constexpr int kSteps = 400;

using BindingsPropertyTest = WindowTest;

// The tab page a control stands on.
int PageOf(QTabWidget* tabs, QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget())
        if (tabs->indexOf(w) >= 0)
            return tabs->indexOf(w);
    return -1;
}

void ExpectRecordInBounds(const qm::Settings& record, const char* when) {
    for (const qm::Binding& b : qm::Bindings()) {
        if (b.kind != qm::BindingKind::Number)
            continue;
        const auto v = static_cast<std::int64_t>(qm::NumberValue(record, b.setting));
        EXPECT_GE(v, b.min) << b.control << " " << when;
        EXPECT_LE(v, b.max) << b.control << " " << when;
    }
    EXPECT_EQ(record.SET28 & 0xC0, 0xC0) << when;
}

TEST_F(BindingsPropertyTest, RandomEditsStayWithinBounds) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);

    record() = qm::Set_def();
    record().SET28 = 0xC6; // bits 6 and 7 as a file may carry them
    form->Show_all();
    auto* tabs = find<QTabWidget>("PageControl1");

    std::vector<const qm::Binding*> editable;
    for (const qm::Binding& b : qm::Bindings())
        if (b.kind == qm::BindingKind::Number || b.kind == qm::BindingKind::FlagBit)
            editable.push_back(&b);
    std::uniform_int_distribution<std::size_t> pick(0, editable.size() - 1);
    std::uniform_int_distribution<int> length(0, 8);
    static const char alphabet[] = "0123456789999-+ x";
    std::uniform_int_distribution<std::size_t> letter(0, sizeof alphabet - 2);

    for (int step = 0; step < kSteps; ++step) {
        const qm::Binding& b = *editable[pick(rng)];
        QWidget* control = find(b.control);
        const int page = PageOf(tabs, control);
        if (tabs->currentIndex() != page)
            clickTab(page);
        if (b.kind == qm::BindingKind::Number) {
            QString text;
            for (int n = length(rng); n > 0; --n)
                text += QChar(alphabet[letter(rng)]);
            retype(static_cast<QLineEdit*>(control), text);
        } else {
            auto* box = static_cast<QAbstractButton*>(control);
            const bool was = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
            ASSERT_NE(box->isChecked(), was) << b.control;
            EXPECT_EQ((record().SET28 >> b.bit) & 1, box->isChecked() ? 1 : 0) << b.control;
        }
        ExpectRecordInBounds(record(), b.control);
        if (HasFailure())
            return;
    }
}

} // namespace
} // namespace qmtest
