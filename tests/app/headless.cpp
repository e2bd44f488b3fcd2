#include "headless.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string parsestring(const std::string& s, std::size_t& i)
{
    std::string out;
    for (++i; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        const char e = s[++i];
        switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': out += static_cast<char>(std::stoi(s.substr(i + 1, 4), nullptr, 16)); i += 4; break;
        default: out += e;
        }
    }
    ++i;
    return out;
}

// Reads one flat JSON object; arrays are kept as their raw text.
traceevent parseevent(const std::string& line)
{
    traceevent ev;
    std::size_t i = line.find('{') + 1;
    while (i < line.size() && line[i] != '}') {
        if (line[i] == ',' || line[i] == ' ') {
            ++i;
            continue;
        }
        const std::string key = parsestring(line, i);
        ++i;  // ':'
        std::string value;
        if (line[i] == '"') {
            value = parsestring(line, i);
        } else {
            const std::size_t start = i;
            int depth = 0;
            while (i < line.size() && (depth > 0 || (line[i] != ',' && line[i] != '}'))) {
                depth += line[i] == '[' ? 1 : line[i] == ']' ? -1 : 0;
                ++i;
            }
            value = line.substr(start, i - start);
        }
        ev.fields[key] = value;
    }
    return ev;
}

std::vector<std::string> readlines(const QString& path)
{
    std::vector<std::string> out;
    std::ifstream in(path.toStdString(), std::ios::binary);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

}  // namespace

const std::string& traceevent::operator[](const std::string& k) const
{
    static const std::string none;
    auto it = fields.find(k);
    return it == fields.end() ? none : it->second;
}

std::vector<std::string> headlessrun::prints() const
{
    std::vector<std::string> out;
    for (const auto& e : trace)
        if (e.event() == "print")
            out.push_back(e["text"]);
    return out;
}

headlessrun runheadless(const std::string& script, const headlessoptions& options)
{
    static QTemporaryDir root;
    static int counter = 0;
    const QString folder = root.path() + "/run" + QString::number(++counter);
    QDir().mkpath(folder);
    const QDir run(VANDREL_RUN_DIR);
    for (const QString& name : run.entryList(QDir::Files))
        if (name != "vandrel" && name != "ram.dat" && !name.endsWith(".ini"))
            QFile::copy(run.filePath(name), folder + "/" + name);
    for (const auto& name : options.without)
        QFile::remove(folder + "/" + QString::fromStdString(name));
    for (const auto& name : options.folders)
        QDir().mkpath(folder + "/" + QString::fromStdString(name));
    for (const auto& [name, content] : options.files) {
        const QString path = folder + "/" + QString::fromStdString(name);
        std::ofstream(path.toStdString(), std::ios::binary) << content;
    }
    std::ofstream(folder.toStdString() + "/script.txt", std::ios::binary) << script;

    QStringList args = {"--script", "script.txt", "--trace", "trace.jsonl", "--screen", "screen.txt",
                        "--settings", "vandrel.ini"};
    for (const auto& a : options.args)
        args << QString::fromStdString(a);
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(run.filePath("vandrel"), args);
    headlessrun result;
    result.folder = folder.toStdString();
    if (!p.waitForFinished(options.timeoutms)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "vandrel did not finish in time";
        return result;
    }
    result.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    result.stderrtext = p.readAllStandardError().toStdString();
    for (const auto& l : readlines(folder + "/trace.jsonl"))
        result.trace.push_back(parseevent(l));
    result.screen = readlines(folder + "/screen.txt");
    return result;
}
