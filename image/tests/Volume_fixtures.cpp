#include "Volume_fixtures.h"

#include "TestSupport.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>

namespace qmtest {

namespace {

std::string withSbin(const std::string& command) {
    return "PATH=\"$PATH:/usr/sbin:/sbin\"; " + command;
}

std::string escaped(const std::string& path) {
    std::string out;
    for (const char c : path) {
        if (c == ' ')
            out += "\\040";
        else
            out += c;
    }
    return out;
}

} // namespace

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

int Shell(const std::string& command) {
    const int status = std::system(withSbin(command).c_str());
    return (status != -1 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
}

std::string ShellOutput(const std::string& command) {
    FILE* pipe = ::popen(withSbin(command).c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    std::string out;
    std::array<char, 256> chunk{};
    std::size_t n = 0;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        out.append(chunk.data(), n);
    ::pclose(pipe);
    return out;
}

void MakeFatImage(const std::string& image, std::uint32_t serial) {
    char id[16];
    std::snprintf(id, sizeof id, "%08X", static_cast<unsigned>(serial));
    if (Shell("mkfs.vfat -C -i " + std::string(id) + " " + Quoted(image) + " 1024 >/dev/null") != 0)
        throw std::runtime_error("mkfs.vfat failed for " + image);
}

void PutIntoImage(const std::string& image, const std::string& name, const std::string& bytes) {
    const std::string source = image + ".put";
    WriteAll(source, bytes);
    const int rc =
        Shell("mcopy -o -i " + Quoted(image) + " " + Quoted(source) + " ::" + Quoted(name));
    std::remove(source.c_str());
    if (rc != 0)
        throw std::runtime_error("mcopy failed for " + image);
}

std::string ReadFromImage(const std::string& image, const std::string& name,
                          const std::string& scratch) {
    std::remove(scratch.c_str());
    if (Shell("mcopy -n -i " + Quoted(image) + " ::" + Quoted(name) + " " + Quoted(scratch)) != 0)
        throw std::runtime_error("mcopy could not read " + name + " from " + image);
    return ReadAll(scratch);
}

std::string BlkidUuid(const std::string& path) {
    std::string out = ShellOutput("blkid -p -o value -s UUID " + Quoted(path));
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

std::string MountinfoLine(int id, const std::string& mountPoint, const std::string& source) {
    return std::to_string(id) + " 1 7:" + std::to_string(id) + " / " + escaped(mountPoint) +
           " rw,nosuid,nodev,relatime shared:" + std::to_string(id) + " - vfat " + escaped(source) +
           " rw,fmask=0022,dmask=0022,codepage=437\n";
}

} // namespace qmtest
