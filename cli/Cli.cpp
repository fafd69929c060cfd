#include "Cli.h"

#include "Assign.h"
#include "Board_archive.h"
#include "Cp1251.h"
#include "File_patterns.h"
#include "Places.h"
#include "Show.h"
#include "Transfer_texts.h"
#include "Values.h"

#include <algorithm>
#include <cstdint>

namespace qm {

namespace {

// A command's words: its options and its operands ("--" ends the options).
struct Words {
    bool json = false;
    bool help = false;
    bool noArchive = false;
    std::vector<std::string> operands;
    std::string unknownOption;
};

Words wordsOf(const std::vector<std::string>& arguments) {
    Words words;
    bool options = true;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (options && a == "--")
            options = false;
        else if (options && a == "--json")
            words.json = true;
        else if (options && a == "--no-archive")
            words.noArchive = true;
        else if (options && (a == "--help" || a == "-h"))
            words.help = true;
        else if (options && a.size() > 1 && a[0] == '-' && words.unknownOption.empty())
            words.unknownOption = a;
        else
            words.operands.push_back(a);
    }
    return words;
}

// What a command takes: whether --json and --no-archive; how many of its
// leading operands are SOURCEs (file patterns expanded where the platform
// leaves that to the program, File_patterns.h) and how many are places
// (files, the board or the defaults; the streams are none of them); how many
// operands, and what is said when that number is not given.
struct Command {
    const char* name;
    bool json;
    bool noArchive;
    std::size_t sources;
    std::size_t places;
    std::size_t least;
    std::size_t most;
    const char* wrongCount;
};

constexpr std::size_t kAll = SIZE_MAX;
constexpr Command kCommands[] = {
    {"show", true, false, kAll, kAll, 1, 1, "show: нужен один ИСТОЧНИК"},
    {"check", false, false, kAll, kAll, 1, kAll, "check: нужен хотя бы один ИСТОЧНИК"},
    {"diff", true, false, kAll, kAll, 2, 2, "diff: нужны два источника, A и B"},
    {"set", false, true, 1, 2, 2, kAll, "set: нужны ИСТОЧНИК и ЦЕЛЬ"},
    {"copy", false, true, 1, kAll, 2, 2, "copy: нужны ИСТОЧНИК и ЦЕЛЬ"},
    {"archive", false, false, 0, 0, 0, 1, "archive: не больше одной МЕТКИ"},
};

Command commandOf(const std::string& name) {
    for (const Command& command : kCommands)
        if (name == command.name)
            return command;
    return {"", false, false, 0, kAll, 0, kAll, ""};
}

int usageError(std::ostream& err, const std::string& why) {
    err << "qmconf-cli: " << why << "\nПодробнее: qmconf-cli --help\n";
    return kExitUsage;
}

// One line for every source on the output, whatever it is.
int checkCommand(const std::vector<std::string>& sources, std::ostream& out, ErrorOutput& errors) {
    int status = kExitOk;
    for (const std::string& word : sources) {
        const Place place = PlaceOf(word);
        if (place.kind == Place::Kind::Defaults) {
            out << word << ": образ настроек в порядке\n";
            continue;
        }
        const std::string path = SettingsPath(place, errors);
        if (place.kind == Place::Kind::Board && path.empty()) {
            out << ShownPath(word) << ": плата не найдена\n";
            status = kExitAccess;
            continue;
        }
        using State = ImageProbe::State;
        const ImageProbe probe = ProbeImage(path);
        if (probe.state == State::TooShort)
            out << TooShortText(path, probe.size) << '\n';
        else
            out << ShownPath(path)
                << (probe.state == State::Valid ? ": образ настроек в порядке"
                    : probe.state == State::BadChecksum ? ": ошибка контрольной суммы"
                                                        : ": не удаётся прочитать")
                << '\n';
        if (probe.state == State::Unreadable) {
            const TransferOutcome failed = OutcomeOf(Transfer::Load, ImageResult::L1, path);
            errors.showMessage(failed.message, failed.messagePath);
            status = kExitAccess;
        } else if (probe.state != State::Valid && status == kExitOk) {
            status = kExitFinding;
        }
    }
    return status;
}

std::string boardOf(const SerialLabel& board) {
    return board.kind == SerialLabel::Kind::Label   ? JsonString(Utf8FromCp1251(board.text))
           : board.kind == SerialLabel::Kind::Blank ? "без метки"
                                                    : "метка неизвестна";
}

int archiveCommand(const std::vector<std::string>& labels, std::ostream& out, ErrorOutput& errors) {
    // A board's folder is named after its label as the board holds it, in
    // code page 1251; the label given here is UTF-8.
    std::string label = labels.empty() ? std::string() : labels[0];
    std::string held;
    if (Cp1251FromUtf8(label, held))
        label = held;
    const BoardArchive archive;
    const std::optional<std::vector<ArchiveEntry>> entries = archive.listChecked(label);
    if (!entries) {
        errors.stream() << "qmconf-cli: архив плат не удаётся прочитать: "
                        << (archive.path().empty() ? std::string("нет папки данных пользователя")
                                                   : ShownPath(archive.path()))
                        << '\n';
        return kExitAccess;
    }
    if (entries->empty())
        out << "В архиве нет образов: " << ShownPath(archive.path()) << '\n';
    for (const ArchiveEntry& e : *entries)
        out << e.time << "  " << boardOf(e.label) << "  "
            << (e.occasion == Occasion::Read ? "прочитан с платы" : "перед записью на плату")
            << "  " << ShownPath(e.path) << '\n';
    return kExitOk;
}

} // namespace

bool WritesJson(const std::vector<std::string>& arguments) {
    return wordsOf(arguments).json;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty())
        return usageError(err, "не указана команда");
    const std::string& command = arguments[0];
    if (command == "--version") {
        out << "qmconf-cli " << QMCONF_VERSION << '\n';
        return kExitOk;
    }
    const Words words = wordsOf(arguments);
    if (command == "--help" || command == "-h" || command == "help" || words.help) {
        out << UsageText();
        return kExitOk;
    }
    if (!words.unknownOption.empty())
        return usageError(err, "неизвестный параметр " + ShownPath(words.unknownOption));
    const Command takes = commandOf(command);
    if (words.json && !takes.json)
        return usageError(err, "--json есть только у show и diff");
    if (words.noArchive && !takes.noArchive)
        return usageError(err, "--no-archive есть только у set и copy");
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < words.operands.size(); ++i) {
        const std::string& word = words.operands[i];
        if (i < takes.sources && PlaceOf(word).kind == Place::Kind::File) {
            for (std::string& file : ExpandPattern(word))
                operands.push_back(std::move(file));
        } else {
            operands.push_back(word);
        }
    }
    const auto count = operands.size();
    for (std::size_t i = 0; i < std::min(count, takes.places); ++i)
        if (operands[i] == "-")
            return usageError(err, "«-» (стандартный ввод или вывод) здесь не принимается; "
                                   "файл с таким именем: ./-");
    ErrorOutput errors(err);

    if (count < takes.least || count > takes.most)
        return usageError(err, takes.wrongCount);
    if (command == "show")
        return ShowCommand(PlaceOf(operands[0]), words.json, out, errors);
    if (command == "check")
        return checkCommand(operands, out, errors);
    if (command == "diff")
        return DiffCommand(PlaceOf(operands[0]), PlaceOf(operands[1]), words.json, out, errors);
    if (command == "archive")
        return archiveCommand(operands, out, errors);
    if (command != "set" && command != "copy")
        return usageError(err, "неизвестная команда " + ShownPath(command));
    const Place destination = PlaceOf(operands[1]);
    if (destination.kind == Place::Kind::Defaults)
        return usageError(err, "defaults бывает только ИСТОЧНИКОМ");
    if (command == "copy")
        return CopyCommand(PlaceOf(operands[0]), destination, !words.noArchive, out, errors);
    if (count < 3)
        return usageError(err, "set: нужно хотя бы одно присваивание КЛЮЧ=ЗНАЧЕНИЕ");
    std::vector<Assignment> assignments(count - 2);
    for (std::size_t i = 2; i < count; ++i)
        if (!ParseAssignment(operands[i], assignments[i - 2]))
            return usageError(err, JsonString(operands[i]) +
                                       ": не присваивание КЛЮЧ=ЗНАЧЕНИЕ с ключом от "
                                       "SET01 до SET52 или SET99");
    return SetCommand(PlaceOf(operands[0]), destination, assignments, !words.noArchive, out,
                      errors);
}

} // namespace qm
