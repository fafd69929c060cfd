// The main window: every setting of the board on four tab pages, the command
// buttons and the status line.
#pragma once

#include "MessageSink.h"
#include "SerialEntry.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TForm1;
}

namespace qm {

class TForm1 : public QWidget, public MessageSink {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The second panel of the status line, the only one that ever holds text.
    QString statusText() const;
    void setStatusText(const QString& text);

    // The serial entry Edit21 as the settings file writer sees it. (QWidget's
    // own isVisible and hide stand in the way of the window being one.)
    SerialEntry& serialEntry();

    // A modal box with an OK button: the text, then the path.
    void showMessage(const std::string& text, const std::string& path) override;

    // Fills every control from the settings record, applies the currency
    // captions, blanks the status line, enables the settings controls.
    void Show_all();
    // Sets the nine captions of the currency that ComboBox35 shows.
    void Show_currency();
    // Clears the modified flag and repaints the window at once.
    void ClearModified();

    // Handlers.
    void FormCreate();
    void BitBtn1Click();
    void BitBtn12Click();
    void ComboBox35Change(int index);
    void PageControl1Change(int index);
    void Edit21Change(const QString& text);

private:
    class Edit21Entry;

    void setSerialCaptions(const QString& text);
    void installEnterChains();
    void changePageByEnter(int page);

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<Edit21Entry> edit21Entry_;
    std::vector<QWidget*> bound_; // the controls of Bindings(), in table order
    bool pageChangeByCode_ = false;
};

} // namespace qm
