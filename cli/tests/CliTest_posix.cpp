#include "CliTest.h"

#include "Volume_fixtures.h"

namespace qmtest {

CliRun RunQmconfCli(const std::vector<std::string>& arguments) {
    const TempDir streams;
    std::string command = Quoted(QMCONF_CLI_PATH);
    for (const std::string& a : arguments)
        command += " " + Quoted(a);
    CliRun run;
    run.status =
        Shell(command + " >" + Quoted(streams.file("out")) + " 2>" + Quoted(streams.file("err")));
    run.out = ReadAll(streams.file("out"));
    run.err = ReadAll(streams.file("err"));
    return run;
}

BoardStandIn::BoardStandIn(const std::string& dir) : dir_(dir) {
    const std::string image = dir + "/board.img", mountPoint = dir + "/QMBOARD";
    std::filesystem::create_directory(mountPoint);
    if (Shell(Quoted(QMBOARD_PATH) + " " + Quoted(image) + " >/dev/null") != 0) {
        missing = "qmboard could not make the board";
        return;
    }
    settingsPath = mountPoint + "/set.ini";
    WriteAll(settingsPath, ReadFromImage(image, "set.ini", dir + "/scratch"));
    WriteAll(dir + "/mountinfo", MountinfoLine(100, mountPoint, image));
    mountinfo_ = std::make_unique<EnvVar>("QMCONF_MOUNTINFO", dir + "/mountinfo");
}

BoardStandIn::~BoardStandIn() = default;

bool BoardStandIn::unplug() {
    WriteAll(dir_ + "/mountinfo", "");
    return true;
}

} // namespace qmtest
