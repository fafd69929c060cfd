// The main window: every setting of the board on four tab pages, the command
// buttons and the status line. Its behaviour is the form's (Form.h); the
// window draws the controls and reports what the user does to them.
#pragma once

#include "Form.h"
#include "WidgetView.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace qm {

class TForm1 : public QWidget, public MessageSink {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The second panel of the status line, the only one that ever holds text.
    QString statusText() const;
    void setStatusText(const QString& text);

    // A modal box with an OK button: the text, then the path.
    void showMessage(const std::string& text, const std::string& path) override {
        form_->showMessage(text, path);
    }
    // The window's behaviour, its record and modified flag among it.
    Form& form() { return *form_; }
    void Show_all() { form_->Show_all(); }
    void Show_currency() { form_->Show_currency(); }
    void LoadImage(const QString& path) { form_->LoadImage(path.toStdString()); }
    void StoreImage(const QString& path) { form_->StoreImage(path.toStdString()); }
    void setVolumeSource(Form::VolumeSource source) { form_->setVolumeSource(std::move(source)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectReports();

    std::unique_ptr<WidgetView> view_;
    std::unique_ptr<Form> form_;
};

} // namespace qm
