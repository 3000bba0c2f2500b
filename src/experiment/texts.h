// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Texts of the experiment that the pupil reads are marked with Qt's QT_TRANSLATE_NOOP, so that
// Qt Linguist's lupdate finds them, and the window layer translates them in the context given
// there. The experiment builds without Qt: then the macro is defined here, exactly as Qt defines
// it, to stand for the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
