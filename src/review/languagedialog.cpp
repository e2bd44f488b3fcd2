#include "languagedialog.h"

#include "shell/errorbox.h"
#include "shell/settingsfile.h"
#include "platform/qtext.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form3");
    setModal(true);
    setGeometry(192, 107, 481, 315);

    languagergroup = new QGroupBox(this);
    languagergroup->setObjectName("languagergroup");
    languagergroup->setGeometry(136, 40, 185, 105);
    new QVBoxLayout(languagergroup);
    languageitems = new QButtonGroup(this);
    languageitems->setExclusive(true);

    okbitbtn = new QPushButton(this);
    okbitbtn->setObjectName("okbitbtn");
    okbitbtn->setGeometry(136, 184, 75, 25);
    okbitbtn->setDefault(true);
    cancelbitbtn = new QPushButton(this);
    cancelbitbtn->setObjectName("cancelbitbtn");
    cancelbitbtn->setGeometry(248, 184, 75, 25);
    cancelbitbtn->setAutoDefault(false);
    connect(okbitbtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelbitbtn, &QPushButton::clicked, this, &QDialog::reject);
    // A selection made by the user or by the program counts as a click, as with a radio group.
    connect(languageitems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            guarded([this] { languagergroupClick(); });
    });

    FormCreate();
}

void TForm3::FormCreate()
{
    TResourceLocalizer::ListLanguages(languages);
    for (std::size_t i = 0; i < languages.size(); ++i) {
        auto* item = new QRadioButton(qtext(languages[i].name), languagergroup);
        item->setAccessibleName(item->text());
        languagergroup->layout()->addWidget(item);
        languageitems->addButton(item, static_cast<int>(i));
    }
    setitemindex(0);
    loadlanguage();
    recaption();
}

void TForm3::recaption()
{
    setWindowTitle(qtext(message(10)));
    languagergroup->setTitle(qtext(message(9)));
    okbitbtn->setText(qtext(message(7)));
    cancelbitbtn->setText(qtext(message(8)));
    // A screen reader beside the program names the controls by the same captions.
    setAccessibleName(windowTitle());
    languagergroup->setAccessibleName(languagergroup->title());
    okbitbtn->setAccessibleName(okbitbtn->text());
    cancelbitbtn->setAccessibleName(cancelbitbtn->text());
}

int TForm3::itemindex() const
{
    return languageitems->checkedId();
}

void TForm3::setitemindex(int i)
{
    if (i == itemindex())
        return;
    if (QAbstractButton* item = languageitems->button(i)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last item itself.
    languageitems->setExclusive(false);
    if (QAbstractButton* checked = languageitems->checkedButton())
        checked->setChecked(false);
    languageitems->setExclusive(true);
}

int TForm3::indexofbase(int base) const
{
    const int i = base / 1000 - 1;
    if (i >= 0 && i < static_cast<int>(languages.size()) && languages[i].base == base)
        return i;
    return -1;
}

void TForm3::focusgroup()
{
    QAbstractButton* item = languageitems->checkedButton();
    if (!item)
        item = languageitems->button(0);
    if (item)
        item->setFocus();
}

void TForm3::languagergroupClick()
{
    const int i = itemindex();
    if (i < 0)
        return;
    languagebase = languages[static_cast<std::size_t>(i)].base;
    recaption();
}
