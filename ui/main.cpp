// qmconf: the configuration editor of the QM-series monitoring board.
#include "Application.h"
#include "TForm1.h"

int main(int argc, char* argv[]) {
    qm::Application app(argc, argv);
    return app.Run([] { return std::make_unique<qm::TForm1>(); });
}
