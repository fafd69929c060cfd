// What a record or a settings text holds as the board's serial label.
#include "Serial_label.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Kind = qm::SerialLabel::Kind;

TEST(Serial_label, OfASettingsText) {
    const struct {
        const char* text;
        qm::SerialLabel label;
    } cases[] = {
        {"[SYSTEM]\r\nID=QM 1.2.3.4.5\r\n", {Kind::Label, "QM 1.2.3.4.5"}},
        {"[SYSTEM]\r\nID=\xFFQM\r\n", {Kind::Blank, ""}},
        {"[SYSTEM]\r\nID=\r\n", {Kind::Label, ""}},
        {"[SYSTEM]\r\nSET01=x\r\n", {Kind::None, ""}},
        {"[SYSTEM]\r\nID=ABCDEFGHIJKLMNOP\r\n", {Kind::Label, "ABCDEFGHIJKL"}}, // the field's width
    };
    for (const auto& c : cases)
        EXPECT_EQ(qm::SerialLabelIn(c.text), c.label) << c.text;
}

TEST(Serial_label, OfARecord) {
    qm::Settings record{};
    std::strcpy(record.serial, "QM 7");
    EXPECT_EQ(qm::SerialLabelOf(record), (qm::SerialLabel{Kind::Label, "QM 7"}));
    record.serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    EXPECT_EQ(qm::SerialLabelOf(record).kind, Kind::Blank);
}

} // namespace
