#include "controls/grid/cells/file_string_list.h"

#include "controls/grid/grid_error.h"

namespace grid {

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& s)
{
    if (fp < 0 || fp >= size())
        throw EExGridError(QStringLiteral("List index out of bounds (%1)").arg(fp).toStdString());
    s = at(fp);
    ++fp;
}

void TFileStringList::Write(const QString& s)
{
    cache += s;
}

void TFileStringList::WriteLn(const QString& s)
{
    append(cache + s);
    cache.clear();
}

}  // namespace grid
