// ParGen.xml: the general parameters as the form and the image compiler read
// them. The file written from what the form shows reads back the same.

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "params/par_gen_file.h"

namespace {

// The values of every element as the form shows them.
QHash<QString, QString> formValues(const params::ParGenFile& file)
{
    QHash<QString, QString> values;
    for (const params::ParGenElement& element : params::parGenElements()) {
        const QString name = QString::fromLatin1(element.name);
        values.insert(name, file.formValue(name));
    }
    return values;
}

}  // namespace

FUZZ_TARGET(par_gen_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("ParGen.xml"), input.takeRest());
    platform::XmlDocument doc;
    params::ParGenFile file;
    if (!params::readParGenFile(path, doc, file) || !file.exists())
        return;
    using Values = QHash<QString, QString>;
    fuzz::checkWriteReadWrite(
        formValues(file),
        [&](const QString& to, const Values& values) { return params::writeParGenFile(to, doc, values); },
        [&](const QString& from, Values& values) {
            params::ParGenFile reread;
            const bool read = params::readParGenFile(from, doc, reread);
            values = formValues(reread);
            return read;
        });
}
