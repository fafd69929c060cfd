#include "Transfer_texts.h"

namespace qm {

namespace {

struct Row {
    ImageResult result;
    const char* status;  // ends with a blank, before the path of the operation
    const char* message; // ends with a blank; none where the reader has shown its own
    bool namesTempFile;  // the message names T, not the operation's path
    const char* note = "";
};

// Another editor held the temporary file for the whole wait.
constexpr const char kBusyNote[] =
    ". Другая программа сейчас записывает или читает настройки: подождите и повторите.";

// The target written, but not read back to be checked.
constexpr const char kUncheckedNote[] =
    ". Проверить запись не удалось: файл занят другой программой или недоступен.";

// The store failed and could not put back what the target held.
constexpr const char kDamagedNote[] =
    ". Прежнее содержимое вернуть не удалось: файл может быть повреждён.";

// The store numbers its five open failures in the order of its steps, and
// its read-back of the target as the sixth; the load uses only the numbers
// 2 and 3.
const Row kRows[] = {
    {ImageResult::S1, "Ошибка при записи ", "1. Не удаётся открыть ", true},
    {ImageResult::S2, "Ошибка при записи ", "2. Не удаётся открыть ", true},
    {ImageResult::S3, "Ошибка при записи ", "3. Не удаётся открыть ", true},
    {ImageResult::S4, "Ошибка при записи ", "4. Не удаётся открыть ", true},
    {ImageResult::S5, "Ошибка при записи ", "5. Не удаётся открыть ", false},
    {ImageResult::L1, "Ошибка при чтении ", "2. Не удаётся открыть ", false},
    {ImageResult::L2, "Ошибка при чтении ", "Ошибка контрольной суммы ", false},
    {ImageResult::L3, "Ошибка при чтении ", "3. Не удаётся открыть ", true},
    {ImageResult::L4, "Не удалось прочитать ", nullptr, false},
    {ImageResult::S1Busy, "Ошибка при записи ", "1. Не удаётся открыть ", true, kBusyNote},
    {ImageResult::L3Busy, "Ошибка при чтении ", "3. Не удаётся открыть ", true, kBusyNote},
    {ImageResult::WrittenUnchecked, "Настройки записаны в ", "6. Не удаётся проверить ", false,
     kUncheckedNote},
    {ImageResult::S5Damaged, "Ошибка при записи ", "5. Не удаётся восстановить ", false,
     kDamagedNote},
};

} // namespace

std::string ProgressText(Transfer transfer, const std::string& path) {
    return (transfer == Transfer::Load ? "Идёт чтение из " : "Идёт запись в ") + path;
}

TransferOutcome OutcomeOf(Transfer transfer, ImageResult result, const std::string& path,
                          PathText shown) {
    const std::string where = shown ? shown(path) : path;
    for (const Row& row : kRows)
        if (row.result == result)
            return {row.status + where + row.note, row.message,
                    row.namesTempFile ? TempFilePath() : path};
    return {(transfer == Transfer::Load ? "Настройки прочитаны из " : "Настройки записаны в ") +
                where,
            nullptr,
            {}};
}

} // namespace qm
