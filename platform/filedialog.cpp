#include "platform/filedialog.h"

#include <QFileDialog>

namespace {

FileDialogHandler& currentHandler()
{
    static FileDialogHandler handler;
    return handler;
}

} // namespace

QString chooseFile(QWidget* parent, const FileDialogRequest& request)
{
    if (currentHandler())
        return currentHandler()(request);
    if (request.purpose == FileDialogRequest::Purpose::Save)
        return QFileDialog::getSaveFileName(parent, request.title, request.startPath, request.filter);
    return QFileDialog::getOpenFileName(parent, request.title, request.startPath, request.filter);
}

void setFileDialogHandler(FileDialogHandler handler)
{
    currentHandler() = std::move(handler);
}
