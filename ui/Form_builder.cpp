#include "Form_builder.h"

#include "Appearance.h"
#include "BanknoteCheckBox.h"
#include "KeepSelectionEdit.h"
#include "Layout.h"
#include "PhoneEdit.h"
#include "SettingsComboBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <stdexcept>

namespace qm {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QWidget* makeStatusBar(const Control& c, QWidget* parent, QLabel** status) {
    auto* bar = new QWidget(parent);
    int x = 0;
    for (std::size_t i = 0; i < c.panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setTextFormat(Qt::PlainText);
        panel->setGeometry(x, 0, c.panels[i], c.place.height);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 1)
            *status = panel;
        x += c.panels[i];
    }
    return bar;
}

// The widget of one entry, its kind's own properties set.
QWidget* makeWidget(const Control& c, QWidget* parent, QLabel** status) {
    switch (c.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(parent);
        button->setText(text(c.text));
        return button;
    }
    case ControlKind::Edit: {
        QLineEdit* edit = c.keepsSelection ? new KeepSelectionEdit(parent) : new QLineEdit(parent);
        edit->setText(text(c.text));
        return edit;
    }
    case ControlKind::PhoneEdit:
        return new PhoneEdit(parent);
    case ControlKind::DropDownList: {
        auto* list = new SettingsComboBox(parent);
        for (const std::string& entry : c.entries)
            list->addItem(text(entry));
        list->setCurrentIndex(c.entry);
        return list;
    }
    case ControlKind::CheckBox: {
        QCheckBox* box = c.clickAnywhere ? new BanknoteCheckBox(parent) : new QCheckBox(parent);
        box->setText(text(c.text));
        box->setChecked(c.checked);
        if (c.captionLeft)
            box->setLayoutDirection(Qt::RightToLeft);
        return box;
    }
    case ControlKind::RadioButton: {
        // The form keeps each pair, its arrow keys and its tab stop: the
        // toolkit's own group behaviour is off.
        auto* button = new QRadioButton(parent);
        button->setAutoExclusive(false);
        button->setText(text(c.text));
        button->setChecked(c.checked);
        return button;
    }
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(parent);
        group->setTitle(text(c.text));
        return group;
    }
    case ControlKind::Label: {
        // A caption is never markup: what the board or the user put into
        // one shows as it stands.
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text(c.text));
        return label;
    }
    case ControlKind::PageControl:
        return new QTabWidget(parent);
    case ControlKind::TabPage: {
        auto* pages = qobject_cast<QTabWidget*>(parent);
        if (!pages)
            throw std::logic_error("The tab page " + c.name + " is not on a page control");
        auto* page = new QWidget;
        pages->addTab(page, text(c.text));
        return page;
    }
    case ControlKind::StatusBar:
        return makeStatusBar(c, parent, status);
    }
    throw std::logic_error("No widget for " + c.name);
}

// What takes the focus on a click only, and what is a tab stop of a kind
// that usually is none.
void setFocusPolicy(QWidget* w, const Control& c) {
    if (c.tabStop == TabStopByDefault(c.kind))
        return;
    w->setFocusPolicy(c.tabStop ? Qt::TabFocus : Qt::ClickFocus);
}

void setLook(QWidget* w, const Control& c, const QWidget& form) {
    if (!c.font.face.empty())
        w->setFont(ToolkitFont(c.font));
    if (c.textColour != Colour::Inherit) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, ToolkitColour(c.textColour, form));
        w->setPalette(palette);
    }
    if (c.background != Colour::Inherit)
        SetBackground(w, ToolkitColour(c.background, form));
}

} // namespace

Widgets BuildForm(QWidget& form, QLabel** status) {
    const WindowLayout& window = FormWindow();
    form.setObjectName(text(window.name));
    // The window's font before its controls are made, so that they are laid
    // out once, in it.
    form.setFont(ToolkitFont(window.font));
    form.resize(window.clientWidth, window.clientHeight);

    Widgets made{};
    const auto widget = [&made, &form](Id c) {
        return c == Id::None ? &form : made[static_cast<std::size_t>(c)];
    };
    for (const Control& c : FormControls()) {
        QWidget* w = makeWidget(c, widget(c.parent), status);
        w->setObjectName(text(c.name));
        if (c.kind != ControlKind::TabPage)
            w->setGeometry(c.place.x, c.place.y, c.place.width, c.place.height);
        w->setToolTip(text(c.toolTip));
        if (const std::string name = AccessibleName(c); !name.empty())
            w->setAccessibleName(text(name));
        if (!c.enabled)
            w->setEnabled(false);
        if (!c.shown)
            w->setVisible(false);
        setFocusPolicy(w, c);
        setLook(w, c, form);
        made[static_cast<std::size_t>(c.id)] = w;
    }
    // Made in the table's order, the controls stand in the focus chain in
    // tab order; the buddies need both ends made.
    for (const Control& c : FormControls())
        if (c.buddy != Id::None)
            static_cast<QLabel*>(widget(c.id))->setBuddy(widget(c.buddy));

    FitLabels(form, *widget(Id::StatusBar1), *static_cast<QTabWidget*>(widget(Id::PageControl1)));
    form.setWindowTitle(text(window.title));
    PlaceWindow(form, window);
    return made;
}

} // namespace qm
