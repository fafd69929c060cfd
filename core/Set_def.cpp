#include "Set_def.h"

namespace qm {

Settings Set_def() {
    Settings settings{}; // every number not set below is 0
    for (int n = kFirstSetting; n <= kLastText; ++n)
        CopyText(TextField(settings, n), TextCapacity(n), kDefaultTexts[n - 1]);

    // Price table: row 1 sells 10 minutes for 100, rows 2..10 are unused.
    settings.SET08 = 100;
    settings.SET09 = 10;

    settings.SET28 = 6; // 50 and 100 rouble notes; bits 6 and 7 cleared too
    settings.SET31 = 20;
    settings.SET32 = 60;

    // Working days: 120 minutes, 09:00 to 18:00; days off: 180 minutes, 10:00 to 16:00.
    settings.SET33 = 120;
    settings.SET34 = 9;
    settings.SET36 = 18;
    settings.SET38 = 180;
    settings.SET39 = 10;
    settings.SET41 = 16;

    settings.SET43 = 400;
    settings.SET49 = 1;
    settings.SET50 = 1;

    CopyText(settings.serial, kSerialSize, kDefaultSerial);
    return settings;
}

} // namespace qm
