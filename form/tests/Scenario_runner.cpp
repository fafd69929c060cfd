// The runner of the window scenarios: each step done through the driver or
// on the record, each check made with the test framework.
#include "Scenarios.h"

#include "Fake_view.h"
#include "ImageTestSupport.h"
#include "Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

namespace qmtest {

namespace {

std::string withPaths(std::string text, const std::string& path, const std::string& temp) {
    for (std::size_t at; (at = text.find("%P")) != std::string::npos;)
        text.replace(at, 2, path);
    for (std::size_t at; (at = text.find("%T")) != std::string::npos;)
        text.replace(at, 2, temp);
    return text;
}

std::vector<std::pair<std::string, std::string>> linesOf(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.emplace_back(line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
    return lines;
}

std::string fieldText(const qm::Settings& record, int setting) {
    const char* f = setting ? qm::TextField(record, setting) : record.serial;
    const std::size_t size = setting ? qm::TextCapacity(setting) : qm::kSerialSize;
    return std::string(f, ::strnlen(f, size));
}

} // namespace

qm::Id IdOf(const std::string& name) {
    for (const qm::Control& c : qm::FormControls())
        if (c.name == name)
            return c.id;
    throw std::logic_error("no control " + name);
}

std::string NameOf(qm::Id control) {
    return control == qm::Id::None ? "(none)" : qm::Layout(control).name;
}

ReportStream RunScenario(ScenarioDriver& driver, const Scenario& scenario) {
    const TempDir dir;
    const std::string tempDir = dir.file("tmp");
    std::filesystem::create_directory(tempDir);
    const TempDirEnv tempEnv(tempDir);
    const DataHomeEnv dataHome(dir.path());
    const std::string temp = TempPathIn(tempDir);
    std::string path; // of the last file command
    ReportStream reports(scenario.steps.size());
    std::vector<std::string>* step = nullptr;
    driver.form().setReportHook([&step](const std::string& line) {
        if (step)
            step->push_back(line);
    });

    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        step = &reports[i];
        const Step& s = scenario.steps[i];
        SCOPED_TRACE("step " + std::to_string(i) + " " + s.control + " " + s.text);
        const std::string t = withPaths(s.text, path, temp);
        const int n = static_cast<int>(s.number % 100);
        const long long v = s.number / 100;
        switch (s.act) {
        case Act::Click:
            driver.click(s.control);
            break;
        case Act::Retype:
            driver.retype(s.control, s.text);
            break;
        case Act::TypeKeys:
            driver.typeKeys(s.text);
            break;
        case Act::Paste:
            driver.paste(s.text);
            break;
        case Act::Enter:
            driver.pressEnter();
            break;
        case Act::Press:
            driver.pressKey(static_cast<Key>(s.number));
            break;
        case Act::Tab:
            driver.pickTab(static_cast<int>(s.number));
            break;
        case Act::Pick:
            driver.pickEntry(s.control, static_cast<int>(s.number));
            break;
        case Act::Focus:
            driver.focus(s.control);
            break;
        case Act::Save:
        case Act::Load:
            path = s.text.empty() ? std::string() : dir.file(s.text);
            driver.answerFileDialog(path);
            driver.click(s.control);
            break;
        case Act::ShowAll:
            driver.showAll();
            break;
        case Act::SetValue:
            qm::SetNumberValue(driver.form().record(), n, static_cast<std::uint32_t>(v));
            break;
        case Act::SetField:
            if (s.number == 0)
                qm::CopyText(driver.form().record().serial, qm::kSerialSize, s.text);
            else
                qm::CopyText(qm::TextField(driver.form().record(), static_cast<int>(s.number)),
                             qm::TextCapacity(static_cast<int>(s.number)), s.text);
            break;
        case Act::SetModified:
            driver.form().modified() = static_cast<std::uint8_t>(s.number);
            break;
        case Act::BlankSerial:
            driver.form().record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
            break;
        case Act::Text:
            EXPECT_EQ(driver.text(s.control), t);
            break;
        case Act::Selected:
            EXPECT_EQ(driver.selectedText(s.control), t);
            break;
        case Act::Checked:
            EXPECT_EQ(driver.checked(s.control), s.number != 0);
            break;
        case Act::Entry:
            EXPECT_EQ(driver.entry(s.control), s.number);
            break;
        case Act::Enabled:
            EXPECT_EQ(driver.enabled(s.control), s.number != 0);
            break;
        case Act::Shown:
            EXPECT_EQ(driver.shown(s.control), s.number != 0);
            break;
        case Act::Page:
            EXPECT_EQ(driver.page(), s.number);
            break;
        case Act::Focused:
            EXPECT_EQ(driver.focused(), s.control);
            break;
        case Act::Status:
            EXPECT_EQ(driver.status(), t);
            break;
        case Act::Value:
            EXPECT_EQ(qm::NumberValue(driver.form().record(), n), static_cast<std::uint32_t>(v));
            break;
        case Act::Field:
            EXPECT_EQ(fieldText(driver.form().record(), static_cast<int>(s.number)), s.text);
            break;
        case Act::Label:
            EXPECT_EQ(fieldText(driver.form().record(), 0), s.text);
            break;
        case Act::Modified:
            EXPECT_EQ(driver.form().modified(), s.number);
            break;
        case Act::LastBox:
            EXPECT_FALSE(driver.boxes().empty());
            if (!driver.boxes().empty())
                EXPECT_EQ(driver.boxes().back(), t);
            break;
        case Act::BoxCount:
            EXPECT_EQ(driver.boxes().size(), static_cast<std::size_t>(s.number));
            break;
        case Act::FileIs:
            EXPECT_EQ(ReadAll(dir.file(s.control)),
                      ReferenceImage(DefaultsTextWith(linesOf(s.text))));
            break;
        }
    }
    driver.form().setReportHook({});
    return reports;
}

void RunScenarioAgainstFake(ScenarioDriver& driver, const Scenario& scenario) {
    FakeDriver fake;
    const ReportStream want = RunScenario(fake, scenario);
    const ReportStream got = RunScenario(driver, scenario);
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "the reports of step " << i;
}

} // namespace qmtest
