// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/TutorDlg.h"

#include "core/settings/Settings.h"

TutorDlg::TutorDlg(bool isOn, int from) : on(isOn), threshold(from >= 1 && from <= 3 ? from : DEFAULT_TUTOR_THRESHOLD)
{
}

void TutorDlg::Select(int radioId)
{
    for (std::size_t k = 0; k < THRESHOLD_IDS.size(); ++k)
        if (THRESHOLD_IDS[k] == radioId) threshold = static_cast<int>(k) + 1;
}
