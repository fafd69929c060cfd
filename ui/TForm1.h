// The main window: every setting of the board on four tab pages, the command
// buttons and the status line.
#pragma once

#include "Board_archive.h"
#include "Device_path.h"
#include "Image_transfer.h"
#include "MessageSink.h"
#include "SerialEntry.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

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

    // Loading a settings image at path into the record and storing the
    // record as a settings image at path, with progress and outcome in the
    // status line and failures in a box. The data buttons are disabled while
    // either runs. A successful load hands the bytes it read to imageRead;
    // a store runs beforeTarget right before it writes (WriteImage).
    void LoadImage(const QString& path, std::string* imageRead = nullptr);
    void StoreImage(const QString& path, const std::function<void()>& beforeTarget = {});

    // Where the device commands look for the board's volume: the system's
    // own volumes unless a test points them elsewhere.
    using VolumeSource = std::function<std::unique_ptr<VolumeList>()>;
    void setVolumeSource(VolumeSource source);

    // Handlers.
    void FormCreate();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn8Click();
    void BitBtn11Click();
    void BitBtn1Click();
    void BitBtn12Click();
    void ComboBox35Change(int index);
    void PageControl1Change(int index);
    void Edit21Change(const QString& text);

private:
    class Edit21Entry;
    class CommandsBusy;

    void setSerialCaptions(const QString& text);
    void reportFailure(ImageResult result, const QString& path);
    void installEnterChains();
    void changePageByEnter(int page);

    // The control of that layout name; the window's code names only laid-out
    // controls.
    template <class T> T* widget(const char* name) const {
        T* w = findChild<T*>(QString::fromLatin1(name));
        if (!w)
            throw std::logic_error(std::string("The window has no control ") + name);
        return w;
    }

    std::unique_ptr<Edit21Entry> edit21Entry_;
    std::vector<QWidget*> bound_; // the controls of Bindings(), in table order
    bool pageChangeByCode_ = false;
    VolumeSource volumes_ = SystemVolumes;
    // What the device commands read from the board and are about to
    // overwrite on it is kept here, silently.
    BoardArchive archive_;
};

} // namespace qm
