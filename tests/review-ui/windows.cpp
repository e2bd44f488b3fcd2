#include "windows.h"

#include "app/settings.h"
#include "input/braille.h"
#include "input/entrydialog.h"
#include "platform/codepage.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "platform/trace.h"
#include "review/languagedialog.h"
#include "review/screenreview.h"
#include "runtime/input.h"
#include "runtime/memory.h"
#include "speech/engines.h"
#include "dialogs/voicedialog.h"
#include "speech/service.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <deque>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QTimer* dismisser = nullptr;

void post(QWidget* w, QEvent::Type type, const stroke& s)
{
    QCoreApplication::postEvent(w, new QKeyEvent(type, s.key, s.mods, s.text));
}

template <class F>
void waituntil(F done, int ms = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        messages::waitfor(5);
}

}  // namespace

std::string utf8(const std::string& cp1250)
{
    return codepage::toutf8(cp1250);
}

void Windows::SetUp()
{
    dir = fs::temp_directory_path() / ("vandrel-reviewui-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    for (const char* f : {"sounds.dat", "czech.eky", "english.eky", "czech.ebt"})
        fs::copy_file(fs::path(VANDREL_RUN_DIR) / f, f);
    settingsfile = (dir / "vandrel.ini").string();
    messages::resetend();
    usespeechengines("none");
    trace::open((dir / "trace.jsonl").string());
    if (!dismisser) {
        // Message boxes are answered as soon as they show; the trace keeps their texts.
        dismisser = new QTimer(qApp);
        QObject::connect(dismisser, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        dismisser->start(5);
    }
    std::ofstream(settingsfile) << "[environment]\nlanguage=" << language << "\n";
    start();
}

void Windows::start()
{
    form1 = std::make_unique<TForm1>("/x/vandrel");
    Form1 = form1.get();
    form2 = std::make_unique<TForm2>(form1.get());
    Form2 = form2.get();
    setinputdialog(form2.get());
    QObject::connect(form2.get(), &TForm2::exitprogram, form1.get(), [this] { form1->endprocess(); });
    form3 = std::make_unique<TForm3>(form1.get());
    Form3 = form3.get();
    form4 = std::make_unique<TForm4>(form1.get());
    Form4 = form4.get();
    form6 = std::make_unique<TForm6>(form1.get());
    Form6 = form6.get();
    // A first run makes the voice ready and lets the arrow keys open the review.
    form1->program = [] {};
    form1->StartsubmenuClick();
    form1->show();
    form1->activateWindow();
    waituntil([] { return QApplication::focusWidget() != nullptr; });

    keys::clear();
    keybuffer.clear();
    braillekeys = false;
    dlgedge = false;
    scredge = false;
    ram[50730] = 0;
    heard();
}

void Windows::stop()
{
    setinputdialog(nullptr);
    Form6 = nullptr;
    form6.reset();
    Form4 = nullptr;
    form4.reset();
    Form3 = nullptr;
    form3.reset();
    Form2 = nullptr;
    form2.reset();
    Form1 = nullptr;
    form1.reset();
    releasesapi4();
}

void Windows::TearDown()
{
    stop();
    trace::close();
    fs::current_path(old);
    fs::remove_all(dir);
}

std::vector<std::string> Windows::heard()
{
    std::ifstream in(dir / "trace.jsonl");
    std::vector<std::string> out;
    std::size_t n = 0;
    for (std::string l; std::getline(in, l); ++n) {
        if (n < seen)
            continue;
        const QJsonObject e = QJsonDocument::fromJson(QByteArray::fromStdString(l)).object();
        const QString event = e["event"].toString();
        if (event == "speak") {
            out.push_back(e["text"].toString().toStdString());
        } else if (event == "click") {
            out.push_back("click " + QString::number(e["n"].toDouble()).toStdString());
        } else if (event == "beep") {
            out.push_back("beep");
        } else if (event == "message") {
            out.push_back("message " + e["text"].toString().toStdString());
        } else if (event == "play") {
            QStringList notes;
            for (const auto& v : e["notes"].toArray())
                notes << QString::number(v.toDouble());
            out.push_back(QString("play %1 %2 %3")
                              .arg(notes.join(','))
                              .arg(e["duration"].toDouble())
                              .arg(e["octave"].toDouble())
                              .toStdString());
        }
    }
    seen = n;
    return out;
}

void Windows::tap(const stroke& s)
{
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QKeyEvent press(QEvent::KeyPress, s.key, s.mods, s.text);
    QApplication::sendEvent(w, &press);
    // The release goes where the focus is by then, if anywhere.
    QKeyEvent release(QEvent::KeyRelease, s.key, s.mods, s.text);
    QWidget* now = QApplication::focusWidget();
    QApplication::sendEvent(now ? now : w, &release);
}

void Windows::tap(const std::vector<stroke>& strokes)
{
    for (const stroke& s : strokes)
        tap(s);
}

void Windows::play(std::vector<stroke> strokes)
{
    playduring(std::move(strokes), [] {});
}

void Windows::playduring(std::vector<stroke> strokes, const std::function<void()>& action)
{
    struct feed {
        std::deque<stroke> queue;
        bool inflight = false;
        std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    };
    auto f = std::make_shared<feed>();
    f->queue.assign(strokes.begin(), strokes.end());
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, [f] {
        if (std::chrono::steady_clock::now() > f->deadline) {
            // A window the keys left open would hold the test: it fails instead.
            f->queue.clear();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a modal window stayed open: " << modal->objectName().toStdString();
                modal->close();
            }
            return;
        }
        // As the headless driver does: a modal window takes the keys even before it is
        // activated.
        QWidget* w = QApplication::focusWidget();
        if (QWidget* modal = QApplication::activeModalWidget(); modal && (!w || w->window() != modal))
            w = modal->focusWidget() ? modal->focusWidget() : modal;
        const bool signalling = Form6 && Form6->signalling();
        if (f->inflight || f->queue.empty() || !w || signalling)
            return;
        const stroke s = f->queue.front();
        f->queue.pop_front();
        post(w, QEvent::KeyPress, s);
        post(w, QEvent::KeyRelease, s);
        f->inflight = true;
        QMetaObject::invokeMethod(qApp, [f] { f->inflight = false; }, Qt::QueuedConnection);
    });
    feeder.start(1);
    action();
    waituntil([f] { return f->queue.empty() && !f->inflight; }, 25000);
    EXPECT_TRUE(f->queue.empty()) << f->queue.size() << " keys not delivered";
}

void Windows::opendialog(const QString& text)
{
    // Where no window manager hands the activation back, a window hidden while active stays
    // the focus window; activating the main window first clears that.
    form1->activateWindow();
    waituntil([this] { return QApplication::activeWindow() == form1.get(); });
    form2->prepare();
    form2->inputedit->setText(text);
    form2->show();
    form2->activateWindow();
    waituntil([this] { return QApplication::focusWidget() == form2->inputedit; });
    ASSERT_EQ(QApplication::focusWidget(), form2->inputedit);
    // As if typed: nothing selected, the caret at the end.
    form2->inputedit->deselect();
    form2->inputedit->end(false);
    heard();
}
