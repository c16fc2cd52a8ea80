// Texts of the card inspector, in every language. Field names come from the
// forms' caption tables wherever a form shows the field; the names below are
// for values no form labels.
#pragma once

#include "i18n/TextTables.h"

#include <span>

namespace marrowby::i18n::inspect {

// Names of values no caption table names.
extern const TranslatedMessage Year;           // part of the clock's name
extern const TranslatedMessage Month;          // part of the clock's name
extern const TranslatedMessage Day;            // part of the clock's name
extern const TranslatedMessage CameraLanguage; // the camera's menu language byte
extern const TranslatedMessage TvMode;         // the TV output byte
extern const TranslatedMessage Copy;           // the second copy of Side PIR in menu.dat
extern const TranslatedMessage SendCode;       // setup.dat byte 0
extern const TranslatedMessage ConnectionType; // setup.dat byte 2 (APN or CSD)
extern const TranslatedMessage PhoneType;      // setup.dat byte 7 (domestic or international)
extern const TranslatedMessage SenderUserName; // smtp.dat record 9

// Values.
extern const TranslatedMessage ListEntry; // a list position shown as such; %1 the position
extern const TranslatedMessage Unlimited; // pictures per day 0
extern const TranslatedMessage Masked;    // a password not shown

// What a file is.
extern const TranslatedMessage MenuFile;
extern const TranslatedMessage SetupFile;
extern const TranslatedMessage SmtpFile;
extern const TranslatedMessage MmsInternational;
extern const TranslatedMessage MmsDomestic;
extern const TranslatedMessage FactoryMarker;
// The standard camera form's layout by name (the others are named by model).
extern const TranslatedMessage StandardLayout;

// Report headings.
extern const TranslatedMessage LayoutsThatFit; // followed by the list
extern const TranslatedMessage LayoutsTried;   // when none fits; followed by the list
extern const TranslatedMessage Findings;
extern const TranslatedMessage NoFindings;
extern const TranslatedMessage Bytes; // %1 the size

// Findings; %1.. as each comment says.
extern const TranslatedMessage WrongSize;         // %1 size, %2 expected size
extern const TranslatedMessage MissingLineEnd;    // %1 record
extern const TranslatedMessage BadCrc;            // %1 stored, %2 computed
extern const TranslatedMessage BadTrailer;        // %1 stored, %2 CRC of the content
extern const TranslatedMessage TrailerNotZero;    // %1 byte, %2 value
extern const TranslatedMessage OutOfRange;        // %1 field, %2 value, %3 low, %4 high
extern const TranslatedMessage UnexpectedByte;    // %1 record, %2 byte, %3 value, %4 expected
extern const TranslatedMessage TextLength;        // %1 field, %2 length byte, %3 characters
extern const TranslatedMessage TextNotTerminated; // %1 field
extern const TranslatedMessage TextTooLong;       // %1 field, %2 characters, %3 limit
extern const TranslatedMessage ModeMismatch;      // %1 field
extern const TranslatedMessage UserNameMismatch;  // %1 field, %2 the sender e-mail's name
// %1 what the trailer says, %2 what the name says
extern const TranslatedMessage KindMismatch;
// %1 phone type of the settings, %2 of the trailer
extern const TranslatedMessage InternationalMismatch;
extern const TranslatedMessage NoLayoutFits;
extern const TranslatedMessage MarkerNotForLayout;
extern const TranslatedMessage Unreadable;  // %1 path, %2 reason
extern const TranslatedMessage NoCardFiles; // %1 folder

// Why a file could not be read, where the reason is the inspector's own (the
// system's reasons come in the system's words); after Unreadable's "%2".
extern const TranslatedMessage NoSuchFile;
extern const TranslatedMessage NotAFile; // a folder or a device where a file was named
extern const TranslatedMessage CannotOpen;
extern const TranslatedMessage ReadError;

// The forms' Check card command: its menu entry, and the report it shows.
extern const CaptionTable CheckCard;
extern const TranslatedMessage CardGood;     // %1 folder; followed by the files checked
extern const TranslatedMessage CardFaulty;   // %1 folder; followed by the files and their findings
extern const TranslatedMessage FileResult;   // %1 file name, %2 what was found
extern const TranslatedMessage NoSuchFolder; // %1 folder
extern const TranslatedMessage NotAFolder;   // %1 the path typed as the folder

// Every inspector message, for the text sheet and checks over all texts.
std::span<const TranslatedMessage *const> allInspectMessages();

} // namespace marrowby::i18n::inspect
