#include "app/program_runner.h"

#include <QProcess>

namespace app {

platform::ProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo)
{
    (void)tipo;
    return platform::runProgramAndWait(NomeSW, QProcess::splitCommand(Parameter),
                                       std::chrono::milliseconds(kProgramWaitLimitMs));
}

}  // namespace app
