// The main window TForm1 apart from its drawing: everything a window of
// this program does, over a passive view (View.h).
//
// The window reports only what the user did; the form runs every change
// rule itself, also while it fills the controls: a control's rule runs when
// the value it shows actually changes, whatever the toolkit notifies.
// Every report and command runs under the error-box policy: an error that
// escapes it is shown in the standard error box and the program goes on.
#pragma once

#include "Board_road.h"
#include "MessageSink.h"
#include "Phone_box.h"
#include "Settings.h"
#include "Transfer_texts.h"
#include "View.h"

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace qm {

// The caption of every box: the product's name.
const char* ProgramTitle();

// The keys that turn the pages from anywhere in the window, round the four:
// Ctrl+Tab and Ctrl+PgDn the next page, Ctrl+Shift+Tab and Ctrl+PgUp the one
// before.
enum class PageTurn { Next, Previous };

// Whether Show_all offers the serial entry for a record: its label is blank.
bool OffersSerialEntry(const Settings& record);

// The window's two file dialogs, OpenDialog1 and SaveDialog1.
const FileDialogSetup& FileDialogOf(FileDialogKind kind);

class Form : public MessageSink {
public:
    // Puts the controls into their start states and runs FormCreate.
    explicit Form(View& view);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // What the user did. Reports of controls the form has no rule for are
    // ignored, and so is every report that comes while the form itself is at
    // work: the toolkit telling what the form just set.
    void typed(Id control);                  // a plain edit's text changed
    void toggled(Id control, bool on);       // a check box or radio button
    void picked(Id control, int entry);      // a list entry
    void enterPressed(Id control);           // Enter, whatever Shift, Ctrl and Alt
    void arrowPressed(Id control);           // an arrow key in a radio button
    void clicked(Id control);                // a button; a click into a phone box
    void pageChanged(int page);              // a page tab
    void pageTurned(PageTurn turn);          // a page key (PageTurn)
    void phoneTyped(Id control, char32_t c); // a character typed into a phone box
    void phoneKey(Id control, PhoneKey key); // Backspace or Delete in a phone box
    // A text pasted into a phone box (the keys, the menu or the middle button).
    void pasted(Id control, const std::string& text);
    // Hands every report the form takes to the hook as a line ("typed
    // Edit7"), for the window's tests to compare.
    void setReportHook(std::function<void(const std::string&)> hook);

    // Fills every control from the settings record, applies the currency
    // captions, blanks the status line, enables the settings controls.
    void Show_all();
    // Sets the nine captions of the currency that ComboBox35 shows.
    void Show_currency();
    // Clears the modified flag and repaints the window at once.
    void ClearModified();
    void PageControl1Change();

    // Loading a settings image at path into the record and storing the
    // record as a settings image at path (BoardRoad), with progress and
    // outcome in the status line and failures in a box. The data buttons are
    // disabled while either runs. A store writes the serial label while the
    // serial entry is offered; once the label has reached the target, the
    // entry is emptied, hidden and disabled.
    void LoadImage(const std::string& path, Medium from = Medium::File);
    void StoreImage(const std::string& path, Medium to = Medium::File);

    void FormCreate();
    void BitBtn1Click();  // "ПО УМОЛЧАНИЮ"
    void BitBtn2Click();  // "ИЗ УСТРОЙСТВА"
    void BitBtn3Click();  // "В УСТРОЙСТВО"
    void BitBtn8Click();  // "В ФАЙЛ"
    void BitBtn11Click(); // "ИЗ ФАЙЛА"
    void BitBtn12Click(); // "ВЫХОД"

    // The settings record the window shows and stores, and its modified flag.
    Settings& record() { return record_; }
    std::uint8_t& modified() { return modified_; }

    void showMessage(const std::string& text, const std::string& path) override;

    // Where the device commands look for the board's volume: the system's
    // own volumes unless a test points them elsewhere.
    using VolumeSource = BoardRoad::VolumeSource;
    void setVolumeSource(VolumeSource source);

private:
    class CommandsBusy;

    // The error-box policy: an error that escapes the action is shown in the
    // standard error box, and the program goes on. The form is at work
    // meanwhile.
    template <class Action> void guarded(Action&& action) {
        ++busy_;
        try {
            action();
        } catch (const std::exception& e) {
            view_.showBox(BoxKind::Error, e.what());
        } catch (...) {
            view_.showBox(BoxKind::Error, std::string());
        }
        --busy_;
    }
    // A report of the user's, unless the form is at work.
    template <class Action>
    void report(const char* what, Id control, const std::string& detail, Action&& action) {
        if (busy_ > 0)
            return;
        if (reportHook_)
            reportHook_(reportLine(what, control, detail));
        guarded(action);
    }
    static std::string reportLine(const char* what, Id control, const std::string& detail);
    // Shows a value in a control; runs the control's rule when that changes
    // what it shows.
    void showText(Id control, const std::string& text);
    void showChecked(Id control, bool on);
    void showPhone(Id control, const PhoneBox& box);
    // The change rules.
    void textChanged(Id control);
    void switchedOn(Id control, bool on);
    void phoneChanged(Id control);
    void Edit21Change();
    void ComboBox35Change(int entry);
    void setSerialCaptions(const std::string& text);
    void showOutcome(const TransferOutcome& outcome);
    void changePageByEnter(int page);
    Id firstTabStopOf(int page) const;

    View& view_;
    Settings record_{};
    std::uint8_t modified_ = 0;
    // What each text box and phone box held when its rule last ran: its rule
    // runs again only when that changes.
    std::map<Id, std::string> lastShown_;
    int busy_ = 0; // the form at work: what the view reports is its own doing
    std::function<void(const std::string&)> reportHook_;
    // The loads and stores, with what they read from the board and are about
    // to overwrite on it kept in the board archive, silently.
    BoardRoad road_;
};

} // namespace qm
