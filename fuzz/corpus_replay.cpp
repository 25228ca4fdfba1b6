// The corpus replay: every fuzz target, as one test, runs on every file of
// its corpus folder, the fixtures and every input that once failed.

#include <exception>
#include <utility>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz_target.h"

namespace fuzz {
namespace {

class CorpusReplay : public testing::Test {
public:
    CorpusReplay(QString name, TargetBody body) : name_(std::move(name)), body_(body) {}

    void TestBody() override
    {
        const QDir folder(QStringLiteral(FUZZ_CORPUS_DIR "/") + name_);
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        ASSERT_FALSE(files.isEmpty()) << "no corpus in " << folder.path().toStdString();
        for (const QString& file : files) {
            SCOPED_TRACE(folder.filePath(file).toStdString());
            QFile input(folder.filePath(file));
            ASSERT_TRUE(input.open(QIODevice::ReadOnly));
            const QByteArray bytes = input.readAll();
            try {
                body_(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
            } catch (const std::exception& e) {
                ADD_FAILURE() << "exception escaped: " << e.what();
            } catch (...) {
                ADD_FAILURE() << "exception escaped";
            }
        }
    }

private:
    QString name_;
    TargetBody body_;
};

}  // namespace

bool registerCorpusReplay(const char* name, TargetBody body)
{
    // GoogleTest owns the tests its factories make.
    testing::RegisterTest("FuzzCorpus", name, nullptr, nullptr, __FILE__, __LINE__, [name, body]() -> testing::Test* {
        return new CorpusReplay(QString::fromLatin1(name), body);
    });
    return true;
}

void propertyFailed(const char* property, const char* file, int line)
{
    ADD_FAILURE_AT(file, line) << "property does not hold: " << property;
}

}  // namespace fuzz
