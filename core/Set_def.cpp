#include "Set_def.h"

namespace qm {

Settings Set_def() {
    Settings settings{};
    for (int n = kFirstSetting; n <= kLastText; ++n)
        CopyText(TextField(settings, n), TextCapacity(n), kDefaultTexts[n - 1]);

    // Price table: row 1 sells 10 minutes for 100, rows 2..10 are unused.
    settings.SET08 = 100;
    settings.SET09 = 10;
    for (int n = 10; n <= 27; ++n)
        SetNumberValue(settings, n, 0);

    settings.SET28 = 6; // 50 and 100 rouble notes; bits 6 and 7 cleared too
    settings.SET29 = 0;
    settings.SET30 = 0;
    settings.SET31 = 20;
    settings.SET32 = 60;

    // Working days: 120 minutes, 09:00 to 18:00; days off: 180 minutes, 10:00 to 16:00.
    settings.SET33 = 120;
    settings.SET34 = 9;
    settings.SET35 = 0;
    settings.SET36 = 18;
    settings.SET37 = 0;
    settings.SET38 = 180;
    settings.SET39 = 10;
    settings.SET40 = 0;
    settings.SET41 = 16;
    settings.SET42 = 0;

    settings.SET43 = 400;
    settings.SET44 = 0;
    settings.SET45 = 0;
    settings.SET46 = 0;
    settings.SET47 = 0;
    settings.SET48 = 0;
    settings.SET49 = 1;
    settings.SET50 = 1;
    settings.SET51 = 0;
    settings.SET52 = 0;

    CopyText(settings.serial, kSerialSize, kDefaultSerial);
    return settings;
}

} // namespace qm
