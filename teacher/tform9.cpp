#include "teacher/tform9.h"

#include "data/connection.h"
#include "data/tdatamodule2.h"
#include "platform/apperror.h"
#include "platform/guarded.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsskinprovider.h"
#include "teacher/loginwindowmetrics.h"
#include "teacher/tform10.h"

#include <QVBoxLayout>

TForm9* Form9 = nullptr;

const QString TForm9::login = QStringLiteral("1");
const QString TForm9::password = QStringLiteral("Словесница");

namespace {

QFont boldFont()
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(metrics::loginWindow::textPixelSize);
    return font;
}

void makeRed(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Text, Qt::red);
    widget->setPalette(palette);
}

} // namespace

TForm9::TForm9() : Form(QStringLiteral("Form9"), QStringLiteral("Авторизация"), metrics::loginWindow::frame)
{}

void TForm9::createControls()
{
    using namespace metrics::loginWindow;
    auto* layout = new QVBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    Panel1 = new TsPanel(client());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    layout->addWidget(Panel1);

    // The client child gets its size only when the window's layout first runs.
    const QSize clientSize = clientSizeForOuter(frame.size());
    const int width = clientSize.width();
    const QFont font = boldFont();

    Label1 = new TsLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Ваш логин  или пароль неверны! "));
    Label1->setFont(font);
    makeRed(Label1);
    Label1->setGeometry(labelLeft, messageTop, width - 2 * labelLeft, lineHeight);
    Label1->hide();

    Label2 = new TsLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setText(QStringLiteral("Введите логин"));
    Label2->setFont(font);
    Label2->setGeometry(labelLeft, loginTop, labelWidth, lineHeight);

    Edit1 = new TsEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(font);
    makeRed(Edit1);
    Edit1->setGeometry(editLeft, loginTop - editRaise, width - editLeft - editRightMargin, editHeight);
    Edit1->setAccessibleName(Label2->text());

    Label3 = new TsLabel(Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setText(QStringLiteral("Введите пароль"));
    Label3->setFont(font);
    Label3->setGeometry(labelLeft, passwordTop, labelWidth, lineHeight);

    Edit2 = new TsEdit(Panel1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(font);
    makeRed(Edit2);
    Edit2->setEchoMode(QLineEdit::Password);
    // Each typed character shows as "*", whatever the platform style's own mask character is.
    Edit2->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    Edit2->setGeometry(editLeft, passwordTop - editRaise, width - editLeft - editRightMargin, editHeight);
    Edit2->setAccessibleName(Label3->text());

    sButton1 = new TsButton(Panel1);
    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Вход"));
    sButton1->setGeometry(0, clientSize.height() - buttonHeight, width, buttonHeight);
    connectGuarded(sButton1, &QPushButton::clicked, this, &TForm9::sButton1Click);
    // Enter in either box presses "Вход", as in any login dialog.
    connect(Edit1, &QLineEdit::returnPressed, sButton1, &QPushButton::click);
    connect(Edit2, &QLineEdit::returnPressed, sButton1, &QPushButton::click);
    sSkinProvider1 = new TsSkinProvider(this);
}

bool TForm9::teacherAccepted(const QString& typed)
{
    try {
        DataModule2->connectAsTeacher(typed);
        return true;
    } catch (const AppError& error) {
        // A refused password is the login's own answer; a server that cannot be reached is not.
        if (error.message().contains(QLatin1String("password")))
            return false;
        throw;
    }
}

void TForm9::sButton1Click()
{
    if (DataModule2->ADOConnection1->isServer()) {
        // On a classroom server the password is the teacher role's own, checked by the server.
        if (Edit1->text() != login || !teacherAccepted(Edit2->text())) {
            Label1->show();
            return;
        }
    } else if (Edit1->text() != login || Edit2->text() != password) {
        Label1->show();
        return;
    }
    Form10->show();
    close();
}
