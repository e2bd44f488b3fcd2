#include "voicedialog.h"

#include "speech/sapi5.h"
#include "speech/service.h"
#include "speech/ttsvar.h"
#include "voices.h"

#include "shell/errorbox.h"
#include "shell/settingsfile.h"
#include "platform/errors.h"
#include "platform/profile.h"
#include "platform/qtext.h"
#include "text/resourcelocalizer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

TForm4* Form4 = nullptr;
bool voicedlgopen = false;

namespace {

QSlider* makeslider(QWidget* parent, const char* name)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, 10);
    s->setFocusPolicy(Qt::StrongFocus);
    s->setEnabled(false);
    return s;
}

QLabel* makelabel(QWidget* parent, const char* name, QWidget* buddy)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form4");
    setModal(true);

    voicelist = new QListWidget(this);
    voicelist->setObjectName("voicelist");
    voicestatic = makelabel(this, "voicestatic", voicelist);
    pitchtb = makeslider(this, "pitchtb");
    pitchstatic = makelabel(this, "pitchstatic", pitchtb);
    speedtb = makeslider(this, "speedtb");
    speedstatic = makelabel(this, "speedstatic", speedtb);
    volumetb = makeslider(this, "volumetb");
    volumestatic = makelabel(this, "volumestatic", volumetb);
    for (QLabel* l : {pitchstatic, speedstatic, volumestatic})
        l->setEnabled(false);
    vyberhlasbitbtn = new QPushButton(this);
    vyberhlasbitbtn->setObjectName("vyberhlasbitbtn");
    vyberhlasbitbtn->setDefault(true);
    closebitbtn = new QPushButton(this);
    closebitbtn->setObjectName("closebitbtn");
    closebitbtn->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(voicestatic);
    left->addWidget(voicelist);
    auto* right = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{pitchstatic, pitchtb, speedstatic, speedtb, volumestatic, volumetb})
        right->addWidget(w);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(vyberhlasbitbtn);
    buttons->addWidget(closebitbtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setTabOrder(voicelist, pitchtb);
    setTabOrder(pitchtb, speedtb);
    setTabOrder(speedtb, volumetb);
    setTabOrder(volumetb, vyberhlasbitbtn);
    setTabOrder(vyberhlasbitbtn, closebitbtn);

    for (QWidget* w : std::initializer_list<QWidget*>{voicelist, pitchtb, speedtb, volumetb, vyberhlasbitbtn, closebitbtn})
        w->installEventFilter(this);
    connect(vyberhlasbitbtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(closebitbtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(voicelist, &QListWidget::currentRowChanged, this, [] { guarded([] { voicelistClick(); }); });
    connect(pitchtb, &QSlider::valueChanged, this, [this] { guarded([this] { pitchtbChange(); }); });
    connect(speedtb, &QSlider::valueChanged, this, [this] { guarded([this] { speedtbChange(); }); });
    connect(volumetb, &QSlider::valueChanged, this, [this] { guarded([this] { volumetbChange(); }); });

    Form4 = this;
    FormCreate();
}

TForm4::~TForm4()
{
    if (::voice5 == voice5.get())
        ::voice5 = nullptr;
    if (Form4 == this)
        Form4 = nullptr;
}

void TForm4::FormCreate()
{
    // Without a SAPI 5 voice the program still speaks through SAPI 4: the failure is reported
    // and the dialog is made all the same.
    guarded([this] {
        voice5 = sapi5::create();
        if (!voice5)
            throw vdrerror("There is no SAPI 5 voice on this machine");
        ::voice5 = voice5.get();
        voice5->OnStartStream = [] { voice5StartStream(); };
        voice5->OnEndStream = [] { voice5EndStream(); };
        voice5->setEventInterests(SVEAllEvents);
    });
    ttsnotifysink = std::make_shared<TTTSNotifySink>();

    setWindowTitle(qtext(message(11)));
    voicestatic->setText(qtext(message(12)));
    pitchstatic->setText(qtext(message(13)));
    speedstatic->setText(qtext(message(14)));
    volumestatic->setText(qtext(message(15)));
    vyberhlasbitbtn->setText(qtext(message(16)));
    closebitbtn->setText(qtext(message(17)));
    const std::pair<QWidget*, QLabel*> named[] = {{voicelist, voicestatic}, {pitchtb, pitchstatic},
                                                  {speedtb, speedstatic},   {volumetb, volumestatic}};
    for (auto [w, label] : named) {
        w->setAccessibleName(label->text());
        label->setAccessibleName(label->text());
    }
    vyberhlasbitbtn->setAccessibleName(vyberhlasbitbtn->text());
    closebitbtn->setAccessibleName(closebitbtn->text());
    setAccessibleName(windowTitle());

    guarded([] {
        voiceallowed = profile::readint(settingsfile, "voice", "voiceallowed", 1) != 0;
        if (voiceallowed)
            listvoices();
    });
    wordseparators = {'\r', ' ', ','};
}

void TForm4::choose(int row)
{
    const QSignalBlocker quiet(voicelist);
    voicelist->setCurrentRow(row);
}

bool TForm4::active() const
{
    return isVisible() && QApplication::activeModalWidget() == this;
}

namespace {

std::string selectedtext(QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item ? cptext(item->text()) : std::string();
}

void reset()
{
    if (ttscentral)
        sapi4::check(ttscentral->AudioReset(), "AudioReset");
}

}  // namespace

void TForm4::FormActivate()
{
    speakwait(message(11));
    speakwait(cptext(voicestatic->text()) + " " + selectedtext(voicelist));
    voicedlgopen = true;
}

void TForm4::voicelistEnter()
{
    if (!voicedlgopen)
        return;
    if (active())
        reset();
    speakwait(cptext(voicestatic->text()) + " " + selectedtext(voicelist));
}

void TForm4::sliderEnter(QSlider* slider, QLabel* label)
{
    if (active())
        reset();
    speakwait(cptext(label->text()) + " " + std::to_string(slider->value()));
}

void TForm4::buttonEnter(QPushButton* button)
{
    if (active())
        reset();
    speakwait(cptext(button->text()));
}

void TForm4::sliderChange(QSlider* slider, const char* tag, long long multiplier)
{
    if (!ttscentral)
        return;
    reset();
    const std::string text = std::string("\\") + tag + "=" + std::to_string(slider->value() * multiplier) + "\\";
    sapi4::check(ttscentral->Inject(text.c_str()), "Inject");
    if (active())
        speakwait(std::to_string(slider->value()));
}

void TForm4::pitchtbChange() { sliderChange(pitchtb, "Pit", 1); }
void TForm4::speedtbChange() { sliderChange(speedtb, "Spd", 1); }
void TForm4::volumetbChange() { sliderChange(volumetb, "Vol", 256); }

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // Focus coming back with the window is no move between controls.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == voicelist)
                guarded([this] { voicelistEnter(); });
            else if (watched == pitchtb)
                guarded([this] { sliderEnter(pitchtb, pitchstatic); });
            else if (watched == speedtb)
                guarded([this] { sliderEnter(speedtb, speedstatic); });
            else if (watched == volumetb)
                guarded([this] { sliderEnter(volumetb, volumestatic); });
            else if (watched == vyberhlasbitbtn || watched == closebitbtn)
                guarded([&] { buttonEnter(static_cast<QPushButton*>(watched)); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TForm4::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !voicedlgopen) {
        // Announced from the event loop, not from inside the activation.
        QTimer::singleShot(0, this, [this] {
            if (active() && !voicedlgopen)
                guarded([this] { FormActivate(); });
        });
    }
    return QDialog::event(e);
}

void TForm4::hideEvent(QHideEvent* e)
{
    voicedlgopen = false;
    QDialog::hideEvent(e);
}
