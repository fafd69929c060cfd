// The window as built from the form's layout (Layout.h): each control of the
// table where the table puts it, with its texts, start state, font and
// colours; the frame; the start-up state; no text clipped or covered; Tab
// walking the table's order.
#include "Layout.h"
#include "BanknoteCheckBox.h"
#include "KeepSelectionEdit.h"
#include "Scenarios.h"
#include "UiTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <set>

namespace qmtest {
namespace {

using qm::Colour;
using qm::ControlKind;
using qm::FormControls;
using qm::FormWindow;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The colours a technician sees: the Windows 3D-light and maroon, and the
// window colour of the platform.
QColor shownColour(Colour colour, const QWidget& form) {
    switch (colour) {
    case Colour::Light3D:
        return {227, 227, 227};
    case Colour::Maroon:
        return {0x80, 0, 0};
    case Colour::Window:
        return form.palette().color(QPalette::Base);
    default:
        ADD_FAILURE() << "a colour the window does not use";
        return {};
    }
}

// Faces as the machine has them: the Windows face, or what stands in for it.
bool faceAtHand(const QFontInfo& info, bool monospaced) {
    static const std::set<QString> sans = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
    static const std::set<QString> mono = {"Courier New", "Liberation Mono", "DejaVu Sans Mono"};
    return (monospaced ? mono : sans).count(info.family()) == 1;
}

void expectFont(QWidget* w, const qm::Font& laidOut) {
    const qm::Font& font = laidOut.face.empty() ? FormWindow().font : laidOut;
    const QFontInfo info(w->font());
    EXPECT_EQ(info.pixelSize(), font.pixelHeight);
    EXPECT_EQ(info.bold(), font.bold);
    EXPECT_TRUE(faceAtHand(info, font.face == "Courier New")) << info.family().toStdString();
    EXPECT_TRUE(QFontMetrics(w->font()).inFontUcs4(U'Ж'));
    EXPECT_TRUE(QFontMetrics(w->font()).inFontUcs4(U'ё'));
}

void expectKindsOwn(QWidget* w, const qm::Control& c) {
    switch (c.kind) {
    case ControlKind::Edit:
    case ControlKind::PhoneEdit: {
        auto* edit = qobject_cast<QLineEdit*>(w);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(dynamic_cast<qm::KeepSelectionEdit*>(w) != nullptr, c.keepsSelection);
        if (c.kind == ControlKind::Edit) {
            EXPECT_EQ(edit->text(), fromUtf8(c.text));
        }
        break;
    }
    case ControlKind::DropDownList: {
        auto* list = qobject_cast<QComboBox*>(w);
        ASSERT_NE(list, nullptr);
        QStringList entries;
        for (const std::string& entry : c.entries)
            entries << fromUtf8(entry);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, entries);
        EXPECT_EQ(list->currentIndex(), c.entry);
        EXPECT_FALSE(list->isEditable());
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::Button: {
        auto* button = qobject_cast<QAbstractButton*>(w);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), fromUtf8(c.text));
        EXPECT_EQ(button->isChecked(), c.checked);
        EXPECT_EQ(button->layoutDirection() == Qt::RightToLeft, c.captionLeft);
        EXPECT_EQ(dynamic_cast<qm::BanknoteCheckBox*>(w) != nullptr, c.clickAnywhere);
        EXPECT_EQ(qobject_cast<QRadioButton*>(w) != nullptr, c.kind == ControlKind::RadioButton);
        EXPECT_EQ(qobject_cast<QCheckBox*>(w) != nullptr, c.kind == ControlKind::CheckBox);
        break;
    }
    case ControlKind::GroupBox:
        ASSERT_NE(qobject_cast<QGroupBox*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QGroupBox*>(w)->title(), fromUtf8(c.text));
        break;
    case ControlKind::Label: {
        auto* label = qobject_cast<QLabel*>(w);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), fromUtf8(c.text));
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->buddy() ? label->buddy()->objectName().toStdString() : "",
                  c.buddy == qm::Id::None ? "" : qm::Layout(c.buddy).name);
        break;
    }
    case ControlKind::PageControl:
        EXPECT_NE(qobject_cast<QTabWidget*>(w), nullptr);
        break;
    case ControlKind::TabPage: {
        auto* pages = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->objectName().toStdString(), qm::Layout(c.parent).name);
        EXPECT_EQ(pages->tabText(pages->indexOf(w)), fromUtf8(c.text));
        break;
    }
    case ControlKind::StatusBar: {
        int x = 0;
        for (std::size_t i = 0; i < c.panels.size(); ++i) {
            auto* panel = w->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->geometry(), QRect(x, 0, c.panels[i], c.place.height));
            EXPECT_EQ(panel->frameShape(), QFrame::Panel);
            EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
            x += c.panels[i];
        }
        break;
    }
    }
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlIsBuiltAsLaidOut) {
    int page = 0;
    for (const qm::Control& c : FormControls()) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(c.name.c_str());
        ASSERT_NE(w, nullptr);
        if (c.kind == ControlKind::TabPage) {
            // The table's pages in the page control's order.
            EXPECT_EQ(find<QTabWidget>("PageControl1")->indexOf(w), page++);
        } else {
            EXPECT_EQ(w->parentWidget()->objectName().toStdString(),
                      c.parent == qm::Id::None ? FormWindow().name : qm::Layout(c.parent).name);
            EXPECT_EQ(w->pos(), QPoint(c.place.x, c.place.y));
            if (c.kind != ControlKind::Label) { // a label is fitted to its text
                EXPECT_EQ(w->size(), QSize(c.place.width, c.place.height));
            }
            // (The page control shows one page at a time.)
            EXPECT_EQ(w->isHidden(), !c.shown);
        }
        EXPECT_EQ(w->toolTip(), fromUtf8(c.toolTip));
        EXPECT_EQ(w->isEnabled(), c.enabled);
        EXPECT_EQ((w->focusPolicy() & Qt::TabFocus) != 0, c.tabStop);
        EXPECT_EQ(w->focusPolicy() != Qt::NoFocus, TakesFocus(c));
        expectFont(w, c.font);
        if (c.textColour != Colour::Inherit) {
            EXPECT_EQ(w->palette().color(QPalette::WindowText), shownColour(c.textColour, *form));
        }
        if (c.background != Colour::Inherit) {
            const auto role = qobject_cast<QCheckBox*>(w) ? w->backgroundRole() : QPalette::Base;
            EXPECT_EQ(w->palette().color(role), shownColour(c.background, *form));
        }
        expectKindsOwn(w, c);
    }
    EXPECT_GT(page, 0);
}

TEST_F(LayoutTest, WindowHasItsCaptionFixedSizeAndFrame) {
    const qm::WindowLayout& window = FormWindow();
    EXPECT_EQ(form->objectName().toStdString(), window.name);
    EXPECT_EQ(form->windowTitle(), fromUtf8(window.title));
    const QSize client(window.clientWidth, window.clientHeight);
    EXPECT_EQ(form->size(), client);
    EXPECT_EQ(form->minimumSize(), client);
    EXPECT_EQ(form->maximumSize(), client);
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    expectFont(form.get(), window.font);
}

TEST_F(LayoutTest, StartsWithSettingsControlsDisabledAndTheStartText) {
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const char* name : {"BitBtn2", "BitBtn11", "BitBtn1", "BitBtn12"})
        EXPECT_TRUE(find(name)->isEnabled()) << name;
    for (const char* name : {"BitBtn3", "BitBtn8"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;

    int settingsControls = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            if (w->parentWidget() && qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
            ++settingsControls;
        }
    }
    // The settings controls and the serial entry.
    int laidOut = 0;
    for (const qm::Control& c : FormControls())
        laidOut += c.setting != 0;
    EXPECT_EQ(settingsControls, laidOut);

    EXPECT_TRUE(find("Edit21")->isHidden());
    EXPECT_EQ(find("Edit21")->focusPolicy(), Qt::ClickFocus);
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(name)->text(), "QM . . . . .") << name;
    for (const char* name : {"Label40", "Label44", "Label48"})
        EXPECT_TRUE(find<QLabel>(name)->text().isEmpty()) << name;
    for (const char* name :
         {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        EXPECT_TRUE(find<QCheckBox>(name)->text().isEmpty()) << name;
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"})
        EXPECT_FALSE(find<QRadioButton>(name)->isChecked()) << name;
    EXPECT_EQ(find<QComboBox>("ComboBox35")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), -1);

    EXPECT_EQ(find<QLabel>("StatusPanel0")->text(), "");
    EXPECT_EQ(QString::fromStdString(form->text(qm::Id::StatusBar1)),
              "Для начала работы откройте файл, или нажмите кнопку \"Настройки по умолчанию\" ");
    EXPECT_EQ(find<QLabel>("StatusPanel2")->text(), "");
}

TEST_F(LayoutTest, SettingsBoxesStartInTheLightColourAndTurnToTheWindowColour) {
    const QColor light(227, 227, 227); // the Windows 3D-light colour
    const QColor window = form->palette().color(QPalette::Base);
    ASSERT_NE(light, window);
    for (const char* name :
         {"Edit7", "ComboBox35", "Edit24", "MaskEdit1", "Edit59", "ComboBox1", "Edit26"})
        EXPECT_EQ(find(name)->palette().color(QPalette::Base), light) << name;
    EXPECT_EQ(find("CheckBox1")->palette().color(find("CheckBox1")->backgroundRole()), light);

    loadDefaults();
    for (const char* name :
         {"Edit7", "ComboBox35", "Edit24", "MaskEdit1", "Edit59", "ComboBox1", "Edit26"})
        EXPECT_EQ(find(name)->palette().color(QPalette::Base), window) << name;
    EXPECT_EQ(find("CheckBox1")->palette().color(find("CheckBox1")->backgroundRole()), light);
    EXPECT_EQ(find("Edit21")->palette().color(QPalette::Base), window);
}

// What the lists show, not only what their palettes hold: the style paints a
// list's field in the button colour unless the list sees to it.
TEST_F(LayoutTest, ListsPaintTheirFieldInTheBackgroundColourAndTheArrowAsAButton) {
    const QRgb light = QColor(227, 227, 227).rgb();
    const QRgb window = form->palette().color(QPalette::Base).rgb();
    const QRgb button = form->palette().color(QPalette::Button).rgb();
    ASSERT_NE(light, button);
    ASSERT_NE(window, button);
    const auto expectPainted = [&](QRgb field) {
        for (const char* name : {"ComboBox35", "ComboBox1"}) {
            auto* list = find<QComboBox>(name);
            QStyleOptionComboBox option;
            option.initFrom(list);
            const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxArrow, list);
            const QImage image = list->grab().toImage();
            // Right of any caption, left of the arrow; and inside the arrow
            // button clear of its edges and glyph.
            EXPECT_EQ(image.pixel(arrow.left() - 3, list->height() / 2), field) << name;
            EXPECT_EQ(image.pixel(arrow.left() + 3, arrow.top() + 3), button) << name;
        }
    };
    expectPainted(light);
    loadDefaults();
    expectPainted(window);
}

// No caption is cut: buttons, boxes and group titles hold their texts in
// every currency, labels keep clear of the controls beside them, and no
// control reaches out of its parent.
TEST_F(LayoutTest, NoTextIsClipped) {
    loadDefaults();
    for (int page = 3; page >= 0; --page)
        clickTab(page); // each page as the user sees it
    auto* currency = find<QComboBox>("ComboBox35");
    for (int entry = 0; entry < 4; ++entry) {
        currency->setCurrentIndex(entry);
        form->form().Show_currency();
        for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() || !qobject_cast<QWidget*>(b->parent()))
                continue;
            const int text = b->fontMetrics().horizontalAdvance(b->text());
            int needed = text + 6;
            if (qobject_cast<QCheckBox*>(b))
                needed = text + b->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                         b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            if (qobject_cast<QRadioButton*>(b))
                needed = text + b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                         b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            EXPECT_LE(needed, b->width()) << b->objectName().toStdString();
        }
    }
    for (QGroupBox* g : form->findChildren<QGroupBox*>())
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width())
            << g->objectName().toStdString();

    const QWidget* statusBar = find("StatusBar1");
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (statusBar->isAncestorOf(label))
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()));
        for (QWidget* sibling :
             label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLabel*>(sibling) || sibling->isHidden())
                continue;
            EXPECT_FALSE(label->geometry().intersects(sibling->geometry()))
                << "overlaps " << sibling->objectName().toStdString();
        }
    }

    const QString longestPhone = "+7(916)123-45-67";
    for (const char* name : {"MaskEdit1", "MaskEdit3"}) {
        QWidget* edit = find(name);
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(longestPhone) + 8, edit->width()) << name;
    }
    QTabBar* bar = find<QTabWidget>("PageControl1")->tabBar();
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), FormWindow().clientWidth);
    EXPECT_LE(form->fontMetrics().horizontalAdvance(
                  QString::fromStdString(form->text(qm::Id::StatusBar1))) +
                  4,
              find("StatusPanel1")->width());

    // Every control, the labels fitted to their texts, within what shows of
    // its parent: a page is the page control less its tabs.
    for (const qm::Control& c : FormControls()) {
        QWidget* w = find(c.name.c_str());
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << c.name;
    }
}

// Tab walks the window's own tab stops, the page control's tabs and the
// shown page's stops in the table's order, and round to the first. A group
// of radio buttons is one stop, at its selected button (the defaults select
// one of each pair); the arrow keys move within it.
TEST_F(LayoutTest, TabWalksEachPageInTheLaidOutOrder) {
    loadDefaults();
    auto* pages = find<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        SCOPED_TRACE(page);
        clickTab(page);
        std::vector<std::string> window, onPage;
        for (const qm::Control& c : FormControls()) {
            if (!c.tabStop)
                continue;
            if (c.kind == ControlKind::PageControl)
                window.push_back("qt_tabwidget_tabbar");
            else if (qm::PageOf(c.id) < 0)
                window.push_back(c.name);
            else if (qm::PageOf(c.id) == page && (c.kind != ControlKind::RadioButton ||
                                                  find<QRadioButton>(c.name.c_str())->isChecked()))
                onPage.push_back(c.name);
        }
        ASSERT_FALSE(window.empty());
        ASSERT_FALSE(onPage.empty());
        std::vector<std::string> want(window.begin() + 1, window.end());
        want.insert(want.end(), onPage.begin(), onPage.end());
        want.push_back(window.front());

        focus(find(window.front().c_str()));
        std::vector<std::string> walked;
        for (std::size_t i = 0;
             i < want.size() + 5 && (walked.empty() || walked.back() != window.front()); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.push_back(focused());
        }
        EXPECT_EQ(walked, want);
    }
}

} // namespace
} // namespace qmtest
