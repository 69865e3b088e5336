#ifndef MERVANE_CORE_DESIGN_WINDOWS_H
#define MERVANE_CORE_DESIGN_WINDOWS_H

#include "core/design/frmassumptions.h"
#include "core/design/frmbatch.h"
#include "core/design/frmcase.h"
#include "core/design/frmcomposite.h"
#include "core/design/frmcompare.h"
#include "core/design/frmconvert.h"
#include "core/design/frmcredits.h"
#include "core/design/frminterpret.h"
#include "core/design/frmlowscores.h"
#include "core/design/frmmain.h"
#include "core/design/frmpredict.h"
#include "core/design/frmprofile.h"
#include "core/design/frmreport.h"
#include "core/design/frmsplash.h"
#include "core/design/frmtwotasks.h"

namespace core::design {

// Every window of the program: the main window first, as the page lists them.
inline constexpr const Window* kWindows[] = {&frmMain,  &frmConvert, &frmAssumptions, &frmCredits, &frmInterpret,
                                             &frmBatch, &frmProfile, &frmCompare, &frmCase,   &frmLowScores,
                                             &frmPredict, &frmTwoTasks, &frmComposite, &frmReport, &frmSplash};

inline constexpr Opening kOpenings[] = {
    {&frmMain, "picConf", "F1", &frmConvert},
    {&frmMain, "cmdAssumptions", "", &frmAssumptions},
    {&frmMain, "cmdCredits", "", &frmCredits},
    {&frmMain, "cmdInterpret", "F2", &frmInterpret},
    {&frmMain, "cmdProfile", "F3", &frmProfile},
    {&frmMain, "cmdCompare", "F4", &frmCompare},
    {&frmMain, "cmdCase", "F5", &frmCase},
    {&frmMain, "", "F6", &frmPredict},
    {&frmMain, "cmdReport", "F7", &frmReport},  // a key alone: the main window has no button for it
    {&frmInterpret, "cmdBatch", "", &frmBatch},
    {&frmInterpret, "cmdPredict", "", &frmPredict},
    {&frmCase, "cmdTwoTasks", "", &frmTwoTasks},
    {&frmProfile, "cmdLowScores", "", &frmLowScores},
    {&frmProfile, "cmdComposite", "", &frmComposite},
};

}  // namespace core::design

#endif
