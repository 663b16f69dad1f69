// The yardstick for start-up time: a bare Qt Widgets main window with the same
// furniture as Wertungsbrett's (menu bar, toolbar, two frames with a list,
// an edit field, buttons and a label, a status bar), built in code, no logic.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    for (const char *menu : {"&File", "&Edit", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    auto *central = new QWidget;
    central->setFixedSize(249, 330);
    auto *bar = new QToolBar(central);
    for (auto icon : {QStyle::SP_FileIcon, QStyle::SP_DialogDiscardButton,
                      QStyle::SP_DialogSaveButton, QStyle::SP_DialogOpenButton})
        bar->addAction(app.style()->standardIcon(icon), QStringLiteral("x"));
    auto *upper = new QGroupBox(QStringLiteral("Upper"), central);
    upper->setGeometry(8, 32, 233, 145);
    (new QLineEdit(upper))->setGeometry(16, 16, 201, 20);
    (new QListView(upper))->setGeometry(16, 36, 201, 70);
    for (int i = 0; i < 3; ++i)
        (new QPushButton(QStringLiteral("Button"), upper))->setGeometry(16 + 70 * i, 112, 57, 25);
    auto *lower = new QGroupBox(QStringLiteral("Lower"), central);
    lower->setGeometry(8, 184, 233, 121);
    (new QLabel(QStringLiteral("Label"), lower))->setGeometry(16, 16, 201, 65);
    (new QPushButton(QStringLiteral("Button"), lower))->setGeometry(16, 88, 201, 25);
    (new QStatusBar(central))->setGeometry(0, 312, 249, 18);
    window.setCentralWidget(central);
    window.show();
    return app.exec();
}
