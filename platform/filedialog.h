#pragma once

#include <QString>
#include <functional>

class QWidget;

struct FileDialogRequest {
    enum class Purpose { Open, Save };
    Purpose purpose = Purpose::Open;
    QString title;
    // The folder, or for saving the suggested file with its folder.
    QString startPath;
    // Qt's filter text, e.g. "Текстовые файлы (*.txt);;Все файлы (*)".
    QString filter;
};

// Every file chooser of the program goes through here, so that tests can pick the file
// themselves. The chosen file's path, empty when the user cancelled.
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;

QString chooseFile(QWidget* parent, const FileDialogRequest& request);

// An empty handler brings back the real file chooser.
void setFileDialogHandler(FileDialogHandler handler);
