#include "shell/ui/calculator_starter.h"

#include <QProcess>
#include <QString>

namespace norvexa {

bool QtProgramStarter::start_detached(const std::filesystem::path& program) {
    return QProcess::startDetached(QString::fromStdString(program.string()), {});
}

}  // namespace norvexa
