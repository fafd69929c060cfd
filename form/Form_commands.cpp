// The five data commands of the window and the two operations that four of
// them share, the currency captions and the Enter chains.
#include "Form.h"

#include "Field_rules.h"
#include "Image_transfer.h"
#include "Set_def.h"
#include "Settings.h"
#include "Transfer_texts.h"

#include <vector>

namespace qm {

namespace {

const char* const kDataButtons[] = {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn8", "BitBtn11"};

// The save pattern has no dot: it lists every file whose name ends in "ini".
// Neither dialog asks before it overwrites.
const FileDialogSpec kOpenDialog1 = {
    FileDialogKind::Open, "OpenDialog1", "Файлы инициализации (*.ini)", "set.ini", "ini", false};
const FileDialogSpec kSaveDialog1 = {
    FileDialogKind::Save, "SaveDialog1", "Файлы инициализации (*ini)", "set.ini", "ini", false};

struct CurrencyCaptions {
    const char* priceHeading; // Label40, over the money column of the price table
    const char* banknotes[6]; // CheckBox1..CheckBox6, bits 0..5 of SET28
    const char* balanceUnit;  // Label44, after the low-balance threshold
    const char* coinUnit;     // Label48, after the coin value per pulse
};

// One column per entry of ComboBox35; the position is the value of SET29.
// Tenge has five banknotes: the first box has no caption.
const CurrencyCaptions kCurrencyCaptions[4] = {
    {"Руб.",
     {"10 руб.", "50 руб.", "100 руб.", "500 руб.", "1000 руб.", "5000 руб."},
     "руб.",
     "руб. на 1 импульс"},
    {"Грив.",
     {"1 грив.", "2 грив.", "5 грив.", "10 грив.", "20 грив.", "50 грив."},
     "грив.",
     "грив. на 1 импульс"},
    {"Руб.",
     {"1000 руб.", "5000 руб.", "10000 руб.", "20000 руб.", "50000 руб.", "100000 руб."},
     "руб.",
     "руб. на 1 импульс"},
    {"Тенге",
     {"", "200 тенге", "500 тенге", "1000 тенге", "2000 тенге", "5000 тенге"},
     "тенге",
     "тенге. на 1 импульс"},
};

struct Chain {
    std::vector<const char*> controls; // in the page's tab order
    int nextPage;
};

// Enter walks each page's chain; Enter in the last control of a page moves
// on to the next page. The four pages form a cycle.
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

// The first control of each page in tab order that takes the focus (the
// serial entry is no tab stop).
const char* const kFirstOfPage[4] = {"Edit7", "ComboBox35", "CheckBox7", "GroupBox4"};

} // namespace

const FileDialogSpec& FileDialogOf(FileDialogKind kind) {
    return kind == FileDialogKind::Open ? kOpenDialog1 : kSaveDialog1;
}

// Keeps the five data buttons disabled while an operation runs and enables
// them again on every way out, an escaping writer error included. Disabling
// the focused button hands the focus on to "ВЫХОД", the only button left
// enabled, where one press of Space would close the editor and lose every
// edit; so at the end the focus goes back to where it was: the button that
// ran the command, or the field that had it.
class Form::CommandsBusy {
public:
    explicit CommandsBusy(View& view) : view_(view), focus_(view.focused()) {
        for (const char* button : kDataButtons)
            view_.setEnabled(button, false);
    }
    ~CommandsBusy() {
        for (const char* button : kDataButtons)
            view_.setEnabled(button, true);
        if (!focus_.empty() && view_.enabled(focus_) && view_.shown(focus_))
            view_.setFocus(focus_, FocusWay::Back);
    }
    CommandsBusy(const CommandsBusy&) = delete;
    CommandsBusy& operator=(const CommandsBusy&) = delete;

private:
    View& view_;
    std::string focus_;
};

void Form::StoreImage(const std::string& path, const std::function<void()>& beforeTarget) {
    CommandsBusy busy(view_);
    view_.setStatus("Идёт запись в " + path);
    view_.repaint();
    const ImageResult result = WriteImage(path, serialEntry(), *this, beforeTarget);
    if (result == ImageResult::Success)
        view_.setStatus("Настройки записаны в " + path);
    else
        reportFailure(static_cast<int>(result), path);
}

void Form::LoadImage(const std::string& path, std::string* imageRead) {
    CommandsBusy busy(view_);
    view_.setStatus("Идёт чтение из " + path);
    view_.repaint();
    const ImageResult result = ReadImage(path, *this, imageRead);
    if (result == ImageResult::Success) {
        Show_all();
        view_.setStatus("Настройки прочитаны из " + path);
    } else {
        reportFailure(static_cast<int>(result), path);
    }
}

void Form::reportFailure(int result, const std::string& path) {
    const FailureTexts* texts = FailureTextsOf(static_cast<ImageResult>(result));
    if (!texts)
        return;
    view_.setStatus(texts->status + path);
    if (texts->message)
        showMessage(texts->message, texts->namesTempFile ? TempFilePath() : path);
}

void Form::BitBtn1Click() {
    view_.setEnabled("BitBtn8", true);
    view_.setEnabled("BitBtn3", true);
    Set_def();
    Show_all();
    view_.setStatus("Все настройки установлены \"по умолчанию\" ");
}

void Form::BitBtn2Click() {
    const std::string path = FindDevicePath(*volumes_(), *this);
    if (path == kNoDevice)
        return;
    std::string image;
    LoadImage(path, &image);
    if (!image.empty())
        archive_.keepRead(image);
}

void Form::BitBtn3Click() {
    const std::string path = FindDevicePath(*volumes_(), *this);
    if (path == kNoDevice)
        return;
    // What the board holds when the store writes it is about to be lost.
    StoreImage(path, [&] { archive_.keepBeforeWrite(path); });
}

void Form::BitBtn11Click() {
    const std::string path = view_.runFileDialog(kOpenDialog1);
    if (!path.empty())
        LoadImage(path);
}

void Form::BitBtn8Click() {
    const std::string path = view_.runFileDialog(kSaveDialog1);
    if (!path.empty())
        StoreImage(path);
}

void Form::BitBtn12Click() {
    // Nothing is saved on the way out: what was not stored is left behind.
    view_.close();
}

void Form::Show_currency() {
    int index = view_.entry("ComboBox35");
    if (index < 0 || index > 3) {
        // A stored currency without an entry shows as Russia; the record keeps
        // its value until the user picks one.
        view_.setEntry("ComboBox35", 0);
        index = 0;
    }
    const CurrencyCaptions& c = kCurrencyCaptions[index];
    view_.setText("Label40", c.priceHeading);
    for (int k = 0; k < 6; ++k)
        view_.setText("CheckBox" + std::to_string(k + 1), c.banknotes[k]);
    view_.setText("Label44", c.balanceUnit);
    view_.setText("Label48", c.coinUnit);
}

void Form::ComboBox35Change(int entry) {
    modified = 1;
    StoreEntry(settings, 29, entry);
    Show_currency();
}

void Form::enterPressed(std::string_view control) {
    guarded([&] {
        for (const Chain& chain : chains())
            for (std::size_t i = 0; i < chain.controls.size(); ++i) {
                if (control != chain.controls[i])
                    continue;
                if (i + 1 < chain.controls.size())
                    view_.setFocus(chain.controls[i + 1], FocusWay::Step);
                else
                    changePageByEnter(chain.nextPage);
                return;
            }
    });
}

void Form::changePageByEnter(int page) {
    // A page change by Enter is not the user's pick of a tab: no
    // PageControl1Change. The focus goes to the first control of the new
    // page, not to the one that had it when the page was last left.
    view_.setPage(page);
    view_.setFocus(kFirstOfPage[page], FocusWay::Step);
    Show_all();
    if (page == 3) {
        view_.repaint();
        view_.setFocus("RadioButton1", FocusWay::Step);
    }
}

} // namespace qm
