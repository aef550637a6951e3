#pragma once

#include "platform/form.h"

class TsPanel;
class TsTreeView;

// The main window: the course menu, the topic tree and the HTML view.
class TForm3 : public Form {
    Q_OBJECT

public:
    TForm3();

    TsPanel* Panel1;
    TsTreeView* TreeView1;
    TsPanel* Panel2;

    // Adds a topic at the end of the topic tree.
    void addTopic(const QString& text);

protected:
    // Whenever it is shown, the main window covers the screen's work area.
    void showEvent(QShowEvent* event) override;
};

extern TForm3* Form3;
