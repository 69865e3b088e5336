#ifndef MERVANE_CORE_TEXT_TEXTS_H
#define MERVANE_CORE_TEXT_TEXTS_H

// The fixed texts of the windows, in plain C++ so that the desktop and the
// browser editions show the same words. Multi-line texts keep the CR LF line
// ends they were written with.
namespace core::texts {

// The main window's directions for use.
// What New Case asks before it clears every window's inputs.
inline constexpr char kNewCaseQuestion[] = "Clear every window's inputs for a new case?";

inline constexpr char kInstructions[] =
    "Blue boxes are optional, red boxes are compulsory. To compute z-score and percentile score equivalents of a raw "
    "score insert a figure in the raw score box below and also enter the measure's mean and standard deviation in the "
    "next section. You can also specify to score an equivalent of a percentile and / or a standard deviation. If you "
    "only want to compute a measure's most commonly used standard deviations and percentiles then you only need to "
    "enter data in the red boxes.\r\n";

// The converter's directions.
inline constexpr char kDirections[] =
    "Enter data into only ONE of the white boxes to compute the equivalent of the other box.\r\n";

// What the computations assume: 256 characters in four lines.
inline constexpr char kAssumptions[] =
    "These computations assume that: \r\n"
    "   a). the data in the red boxes (mean and SD) are derived from a normal distribution;\r\n"
    "   b). the raw score is a (theoretical) member of the population from which the mean \r\n"
    "         and standard deviation was obtained.\r\n";

// A reserved domain: the address can never lead to someone else's site.
inline constexpr char kMakerAddress[] = "https://quenlo.example/";

// How to cite the program: one line.
inline constexpr char kCitation[] =
    "Lorvi, T. M. (2026). Quenlo Software: Mervane (Version 1.00). https://quenlo.example/\r\n";

// The licence: 24 lines.
inline constexpr char kLicence[] =
    "I. Summary\r\n"
    "This software is provided as is and free of charge, for clinicians, researchers and students alike.\r\n"
    "You may pass it on to others as you received it, as long as it stays whole and every credit in it is kept.\r\n"
    "\r\n"
    "II. Limitations\r\n"
    "II. a. Good Faith\r\n"
    "This program was written in good faith, to help people place test scores within the norms of a measure.\r\n"
    "Whoever doubts that may have its code inspected by an organisation they trust and that the author accepts,\r\n"
    "provided that no more than one copy is made for it and that the copy is destroyed within thirty days.\r\n"
    "\r\n"
    "II. b. Warranty\r\n"
    "Every reasonable effort has been made to make this program stable and its figures exact, but no warranty\r\n"
    "of any kind is given. The author assures you that nothing harmful, no spyware, adware or other malware,\r\n"
    "is in the program or attached to it.\r\n"
    "\r\n"
    "II.c. Liability\r\n"
    "No damage from using this program has ever been reported to the author. Even so, the author accepts\r\n"
    "no liability for any damage, loss or claim that may arise from its use, whether to data, to equipment\r\n"
    "or from the conclusions drawn from its results, which remain the responsibility of the person using them.\r\n"
    "\r\n"
    "II.d. Use of application in whole\r\n"
    "Only the application as a whole may be used; no part of it may be taken out of it and used on its own.\r\n"
    "\r\n"
    "Copyright (c) 2026 T. M. Lorvi. All rights reserved.\r\n";

}  // namespace core::texts

#endif
