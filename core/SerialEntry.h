// The serial entry Edit21 as the settings file writer and the store see it.
#pragma once

namespace qm {

// The window implements this over its serial entry; the command line over
// the label it is given (a blank board's only); tests implement it too.
class SerialEntry {
public:
    virtual ~SerialEntry() = default;
    // Whether the entry is visible (its own visibility, whatever page shows).
    virtual bool isVisible() const = 0;
    // Set the entry's text to empty; when that changes the text, the entry's
    // change rule runs and empties the serial label and the serial captions.
    virtual void clearText() = 0;
    virtual void hide() = 0;
    virtual void disable() = 0;
};

// A serial entry that is never shown, for callers without a window.
class NoSerialEntry : public SerialEntry {
public:
    bool isVisible() const override { return false; }
    void clearText() override {}
    void hide() override {}
    void disable() override {}
};

} // namespace qm
