#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/automation/automation.h"

namespace testing_support {

// A stand-in for the automation servers: installs itself as the object
// factory for its lifetime, records every factory request and every member
// access as one readable line, and answers from a small script.
//
// Lines name the object by its path from the factory:
//   CreateObject("excel.application")
//   excel.application.WorkBooks                      a property read
//   excel.application.WorkBooks.Open("a.xlsx")       a method call (always with parentheses)
//   excel.application.Range("A1").Value = "x"        a property write
//   ws.Cells(1, 2).Value                             an object named by the script
// Arguments: texts in double quotes (inner quotes doubled), integers, numbers
// in their shortest form with a '.', True/False, Empty, dates as
// #2024-03-05# or #2024-03-05 07:08:09#, Error(2042), objects by their path,
// arrays as {1, "a"; 2, "b"} (rows separated by ';', "@r,c" after the brace
// when the lower bounds are not 0), named arguments as name:=value.
//
// Unscripted answers: CreateObject gives an object named by the program name,
// GetActiveObject gives nothing (no program runs), every property read and
// method call gives an object named by its line (the same object each time),
// property writes give nothing.
//
// Script rules match lines without regard to case; '*' stands for any run of
// characters. The rule added last wins.
class AutomationRecorder final {
public:
    using Variant = platform::automation::Variant;
    using Arguments = platform::automation::Arguments;
    using ObjectRef = platform::automation::ObjectRef;

    AutomationRecorder();
    ~AutomationRecorder();
    AutomationRecorder(const AutomationRecorder&) = delete;
    AutomationRecorder& operator=(const AutomationRecorder&) = delete;

    // Lines matching `pattern` answer `value`.
    void answer(const QString& pattern, const Variant& value);
    // Answers in turn; the last one repeats.
    void answers(const QString& pattern, std::vector<Variant> values);
    // Lines matching `pattern` answer the object called `name` (one object per
    // name), so later lines read "name.Member".
    void object(const QString& pattern, const QString& name);
    // Lines matching `pattern` throw AutomationError(message).
    void fail(const QString& pattern, const QString& message);
    // Lines matching `pattern` answer what `respond` gives for the arguments.
    void respond(const QString& pattern, std::function<Variant(const Arguments&)> respond);

    // The program runs: GetActiveObject(programName) answers its object.
    void running(const QString& programName);
    // No server answers to the name: CreateObject gives nothing.
    void noServer(const QString& programName);

    // The object of that name (created on first use), to pass to code under
    // test or to use in answers.
    ObjectRef objectNamed(const QString& name);

    const QStringList& calls() const { return calls_; }
    // The lines joined by '\n', for comparisons whose failures read well.
    QString callsText() const { return calls_.join(u'\n'); }
    // Lines matching `pattern`.
    QStringList callsMatching(const QString& pattern) const;
    void clearCalls() { calls_.clear(); }

    // The line form of a value (see above).
    static QString valueText(const Variant& value);

private:
    class Recorded;
    class Factory;
    struct Rule {
        QString pattern;
        std::function<Variant(const Arguments&)> respond;
    };

    Variant handle(const QString& line, const Arguments& arguments, bool defaultObject);
    bool scripted(const QString& line) const;
    void addRule(const QString& pattern, std::function<Variant(const Arguments&)> respond);

    QStringList calls_;
    std::vector<Rule> rules_;
    std::map<QString, std::shared_ptr<Recorded>> objects_;
    std::shared_ptr<platform::automation::ObjectFactory> previous_;
};

}  // namespace testing_support
