// The Qt window as the form's passive view: every control reached by its
// layout name (its objectName), in this one place.
#pragma once

#include "View.h"

#include <QString>

#include <map>
#include <string>
#include <string_view>

class QWidget;

namespace qm {

class WidgetView : public View {
public:
    // Indexes every named control of the window.
    explicit WidgetView(QWidget& window);

    // The control of that name; throws for a name the window does not have.
    QWidget* widget(std::string_view name) const;
    // While the view itself changes a control, the toolkit's notifications
    // are its own doing, not the user's: the window reports none of them.
    bool applying() const { return applying_ > 0; }

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, const std::string& text) override;
    bool checked(std::string_view control) const override;
    void setChecked(std::string_view control, bool on) override;
    int entry(std::string_view control) const override;
    void setEntry(std::string_view control, int position) override;
    bool enabled(std::string_view control) const override;
    void setEnabled(std::string_view control, bool on) override;
    bool shown(std::string_view control) const override;
    void setShown(std::string_view control, bool on) override;
    void setBackground(std::string_view control, Background look) override;
    int caret(std::string_view control) const override;
    void setCaret(std::string_view control, int position) override;
    Selection selection(std::string_view control) const override;
    int page() const override;
    void setPage(int page) override;
    std::string focused() const override;
    void setFocus(std::string_view control, FocusWay way) override;
    std::string status() const override;
    void setStatus(const std::string& text) override;
    void repaint() override;
    void showBox(BoxKind kind, const std::string& text) noexcept override;
    std::string runFileDialog(const FileDialogSetup& dialog) override;
    void close() override;

private:
    class Applying;
    QWidget* find(std::string_view name) const; // null for none

    QWidget& window_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    int applying_ = 0;
};

} // namespace qm
