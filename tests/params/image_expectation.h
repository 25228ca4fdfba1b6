#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include "params/bank_compiler.h"
#include "platform/xml_document.h"

namespace params_testing {

// An image written down by hand, field by field, to compare a built image
// with.
class ExpectedImage {
public:
    explicit ExpectedImage(size_t size) : bytes_(size, 0) {}

    ExpectedImage& u8(size_t at, uint32_t v)
    {
        bytes_.at(at) = static_cast<uint8_t>(v);
        return *this;
    }
    ExpectedImage& u16(size_t at, uint32_t v) { return u8(at, v).u8(at + 1, v >> 8); }
    ExpectedImage& u32(size_t at, uint32_t v) { return u16(at, v).u16(at + 2, v >> 16); }
    ExpectedImage& bytes(size_t at, std::initializer_list<uint8_t> list)
    {
        for (uint8_t b : list)
            bytes_.at(at++) = b;
        return *this;
    }
    // Characters as they stand (no closing zero).
    ExpectedImage& text(size_t at, const std::string& s)
    {
        for (unsigned char c : s)
            bytes_.at(at++) = c;
        return *this;
    }
    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& data() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

inline uint32_t le32(const QByteArray& image, int at)
{
    return static_cast<uint8_t>(image[at]) | (static_cast<uint8_t>(image[at + 1]) << 8)
           | (static_cast<uint8_t>(image[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(image[at + 3])) << 24);
}

inline uint16_t le16(const QByteArray& image, int at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(image[at]) | (static_cast<uint8_t>(image[at + 1]) << 8));
}

inline uint8_t byteAt(const QByteArray& image, int at)
{
    return static_cast<uint8_t>(image[at]);
}

// Compares byte for byte and reports the first differences with offsets.
inline ::testing::AssertionResult sameBytes(const QByteArray& actual, const ExpectedImage& expected)
{
    std::string report;
    int shown = 0;
    if (static_cast<size_t>(actual.size()) != expected.size())
        report += "size " + std::to_string(actual.size()) + " instead of " + std::to_string(expected.size()) + "; ";
    const size_t n = std::min(static_cast<size_t>(actual.size()), expected.size());
    for (size_t i = 0; i < n && shown < 12; ++i) {
        const uint8_t a = static_cast<uint8_t>(actual[static_cast<qsizetype>(i)]);
        if (a != expected.data()[i]) {
            report += "offset " + std::to_string(i) + ": " + std::to_string(a) + " instead of "
                      + std::to_string(expected.data()[i]) + "; ";
            ++shown;
        }
    }
    if (report.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << report;
}

inline QString fixture(const QString& project)
{
    return QStringLiteral(TEST_DATA_DIR "/params/") + project;
}

// The sources of a project folder, with the file names of a project.
inline params::BankSources sourcesOf(const QString& folder)
{
    return {folder, folder + QStringLiteral("/ParGen.xml"), folder + QStringLiteral("/EtherCAT_Slave.xml"),
            folder + QStringLiteral("/EtherCAT_Slave_Group.xml"), folder + QStringLiteral("/MQTT_Set_Topic.xml")};
}

// Compiles a project folder; fails the test when the compile fails.
inline params::BankImages compileFolder(const QString& folder)
{
    platform::XmlDocument doc;
    params::BankImages images;
    const params::CompileResult result = params::Build_Bank_Images(sourcesOf(folder), doc, images);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    return images;
}

}  // namespace params_testing
