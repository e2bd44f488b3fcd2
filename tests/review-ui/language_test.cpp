// The language dialog, opened from Settings > Environment and answered with real keys.
#include "windows.h"

#include "review/languagedialog.h"
#include "text/resourcelocalizer.h"

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace {

using lines = std::vector<std::string>;

const stroke down{Qt::Key_Down}, up{Qt::Key_Up}, enter{Qt::Key_Return, "\r"}, escape{Qt::Key_Escape, "\x1b"};

class Language : public Windows {
protected:
    Language() { language = 1000; }

    // Settings > Environment, answered with keys.
    void environment(std::vector<stroke> keys)
    {
        playduring(std::move(keys), [this] { form1->environmentsubmenu->trigger(); });
    }
    std::string ini()
    {
        std::ifstream in(settingsfile);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void restart()
    {
        stop();
        start();
    }
};

const std::string changed = "message Your changes will be applied after you restart the program.";

TEST_F(Language, PickedAndConfirmedIsStoredAndAnnouncedInTheNewLanguage)
{
    environment({down, enter});
    EXPECT_NE(ini().find("language=2000"), std::string::npos) << ini();
    EXPECT_EQ(heard(), lines{changed});
    // Texts looked up when used follow at once; captions set at start-up wait for a restart.
    EXPECT_EQ(message(25), "ready");
    EXPECT_EQ(form1->Startsubmenu->text(), "&Spustit");
    restart();
    EXPECT_EQ(form1->Startsubmenu->text(), "&Start");
}

TEST_F(Language, PickedAndPickedBackIsStoredWithoutAMessage)
{
    environment({down, up, enter});
    EXPECT_NE(ini().find("language=1000"), std::string::npos) << ini();
    EXPECT_EQ(heard(), lines{});
    EXPECT_EQ(message(25), "hotovo");
}

TEST_F(Language, PickedAndCancelledStaysInForceUntilTheProgramEnds)
{
    const std::string before = ini();
    environment({down, escape});
    EXPECT_EQ(ini(), before);
    EXPECT_EQ(message(25), "ready");
    // Opened again, it shows the language in force, in that language.
    bool english = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (form3->isVisible())
            english = form3->itemindex() == 1 && form3->windowTitle() == "environment settings" &&
                      form3->okbitbtn->text() == "&OK";
    });
    probe.start(0);
    environment({escape});
    probe.stop();
    EXPECT_TRUE(english);
    restart();
    EXPECT_EQ(message(25), "hotovo");
    EXPECT_EQ(form3->itemindex(), 0);
}

TEST_F(Language, PickingReCaptionsTheDialogAtOnce)
{
    EXPECT_EQ(form3->windowTitle(), QString::fromUtf8("Nastavení prostředí"));
    form3->setitemindex(1);
    const std::pair<QWidget*, QString> named[] = {{form3.get(), "environment settings"},
                                                  {form3->languagergroup, "&Language"},
                                                  {form3->okbitbtn, "&OK"},
                                                  {form3->cancelbitbtn, "Cancel"},
                                                  {form3->languageitems->button(2), QString::fromUtf8("Slovenčina")}};
    for (const auto& [w, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), name)
            << w->objectName().toStdString();
    EXPECT_EQ(form3->languagergroup->title(), "&Language");
}

TEST_F(Language, AStoredLanguageTheCatalogueLacksIsLeftUnselectedUntilOneIsPicked)
{
    std::ofstream(settingsfile) << "[environment]\nlanguage=7000\n";
    restart();
    EXPECT_EQ(message(25), "");
    environment({escape});
    EXPECT_EQ(form3->itemindex(), -1);
    environment({stroke{Qt::Key_Space, " "}, enter});
    EXPECT_NE(ini().find("language=1000"), std::string::npos) << ini();
    EXPECT_EQ(heard(), lines{"message Provedené změny se projeví až poté, co znovu spustíte program."});
}

}  // namespace
