#include "report/ui/desktop_viewer.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace norvexa {

bool DesktopViewer::open(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace norvexa
