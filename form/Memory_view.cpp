#include "Memory_view.h"

#include "Form.h"
#include "Single_line.h"
#include "Text_entry.h"

namespace qm {

void MemoryView::setText(Id c, const std::string& text) {
    Control& control = (*this)[c];
    control.text = text;
    control.caret = static_cast<int>(Characters(text));
}

Settings AsShown(const Settings& record) {
    MemoryView view;
    Form form(view);
    form.record() = record;
    form.Show_all();
    // A text the box cut to nothing keeps its bytes in the record, but the
    // store writes it as one line all the same.
    Settings shown = form.record();
    for (int n = kFirstSetting; n <= kLastText; ++n)
        CopyText(TextField(shown, n), TextCapacity(n), SingleLine(TextField(shown, n)));
    return shown;
}

} // namespace qm
