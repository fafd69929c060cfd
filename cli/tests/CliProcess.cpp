#include "CliProcess.h"

#include "File.h"

#include <stdexcept>

namespace qmtest {

std::string ReadBytes(const std::string& path) {
    qm::File file;
    if (!file.open(path, qm::File::Mode::Read))
        throw std::runtime_error("cannot read " + path);
    std::string bytes(1 << 16, '\0');
    bytes.resize(file.read(bytes.data(), bytes.size()));
    file.close();
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    qm::File file;
    if (!file.open(path, qm::File::Mode::Write) || !file.write(bytes) || !file.close())
        throw std::runtime_error("cannot write " + path);
}

} // namespace qmtest
