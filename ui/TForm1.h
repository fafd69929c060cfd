// The main window: every setting of the board on four tab pages, the command
// buttons and the status line. Its behaviour is the form's (Form.h): the
// window is the form's view over its widgets, made from the layout, and
// reports what the user does to them.
#pragma once

#include "Form.h"
#include "Form_builder.h"
#include "View.h"

#include <QWidget>

#include <memory>
#include <string>

class QLabel;

namespace qm {

class TForm1 : public QWidget, public View {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The window's behaviour, its record and modified flag among it.
    Form& form() { return *form_; }
    // The widget of a control.
    QWidget* widget(Id control) const { return widgets_[static_cast<std::size_t>(control)]; }

    std::string text(Id control) const override;
    void setText(Id control, const std::string& text) override;
    bool checked(Id control) const override;
    void setChecked(Id control, bool on) override;
    int entry(Id control) const override;
    void setEntry(Id control, int position) override;
    bool enabled(Id control) const override;
    void setEnabled(Id control, bool on) override;
    bool shown(Id control) const override;
    void setShown(Id control, bool on) override;
    void setBackground(Id control, Background look) override;
    int caret(Id control) const override;
    void setCaret(Id control, int position) override;
    Selection selection(Id control) const override;
    int page() const override;
    void setPage(int page) override;
    Id focused() const override;
    void setFocus(Id control, FocusWay way) override;
    void setTabStop(Id control, bool on) override;
    void repaint() override;
    void showBox(BoxKind kind, const std::string& text) noexcept override;
    std::string runFileDialog(const FileDialogSetup& dialog) override;
    void close() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectReports();
    Id idOf(const QObject* widget) const;

    QLabel* status_ = nullptr;
    Widgets widgets_;
    std::unique_ptr<Form> form_;
};

} // namespace qm
