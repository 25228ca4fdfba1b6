#pragma once

// A fuzz target: the body gets arbitrary bytes and drives one reader of user
// files with them. Every target is built twice:
//  - in the normal build, into the corpus replay test, which runs the body on
//    every file of fuzz/corpus/<name>/ (one test per target);
//  - with CONFIGURATOR_FUZZ (clang only), alone, as a libFuzzer program.
//
//   FUZZ_TARGET(par_gen_file)
//   {
//       fuzz::FuzzedData input(data, size);
//       ...
//   }
//
// A body must not throw: the errors a reader reports by design are caught
// in the body. FUZZ_CHECK states a property that holds for every input,
// FUZZ_CHECK_EQUAL one that two texts are equal (and shows both when not).

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fuzz {

using TargetBody = void (*)(const uint8_t* data, size_t size);

// Called by FUZZ_CHECK when a property does not hold: a test failure in the
// corpus replay, an abort (and so a saved crash input) under libFuzzer.
void propertyFailed(const char* property, const char* file, int line);

// Readable forms of compared values: control characters, backslashes and
// bytes above 0x7E escaped as \xNN.
QByteArray printable(const QByteArray& bytes);
QByteArray printable(const QString& text);
QByteArray printable(const QStringList& lines);
// Reports two values that should be equal, with both (long ones cut around
// their first difference).
void valuesDiffer(const char* expression, const QByteArray& left, const QByteArray& right, const char* file, int line);

// Corpus replay only: registers the body as the test of its corpus folder.
bool registerCorpusReplay(const char* name, TargetBody body);

}  // namespace fuzz

#define FUZZ_CHECK(condition)                                       \
    do {                                                            \
        if (!(condition))                                           \
            ::fuzz::propertyFailed(#condition, __FILE__, __LINE__); \
    } while (false)

#define FUZZ_CHECK_EQUAL(left, right)                                                        \
    do {                                                                                     \
        const auto& fuzzLeft = (left);                                                       \
        const auto& fuzzRight = (right);                                                     \
        if (!(fuzzLeft == fuzzRight))                                                        \
            ::fuzz::valuesDiffer(#left " == " #right, ::fuzz::printable(fuzzLeft),           \
                                 ::fuzz::printable(fuzzRight), __FILE__, __LINE__);          \
    } while (false)

#ifdef CONFIGURATOR_LIBFUZZER
#define FUZZ_TARGET(name)                                                          \
    static void fuzzTargetBody_##name(const uint8_t* data, size_t size);           \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)        \
    {                                                                              \
        fuzzTargetBody_##name(data, size);                                         \
        return 0;                                                                  \
    }                                                                              \
    static void fuzzTargetBody_##name(const uint8_t* data, size_t size)
#else
#define FUZZ_TARGET(name)                                                          \
    static void fuzzTargetBody_##name(const uint8_t* data, size_t size);           \
    [[maybe_unused]] static const bool fuzzTargetRegistered_##name =               \
        ::fuzz::registerCorpusReplay(#name, &fuzzTargetBody_##name);               \
    static void fuzzTargetBody_##name(const uint8_t* data, size_t size)
#endif
