// What an MMS form holds apart from its controls: the entered values, the
// selected list positions and which edits may be typed into.
#pragma once

#include "operators/CountryOperatorLists.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>

namespace marrowby {

// The edits of the MMS forms. The ten texts come first, in the order of their
// control ids (1002 to 1011) and of their records in setup.dat (1 to 10).
enum class MmsEdit {
    Url,
    Apn,
    Gateway,
    Port,
    Phone1,
    Email,
    Account,
    Password,
    Phone2,
    Phone3,
    Folder,
    PicturesPerDay
};
inline constexpr std::size_t kMmsTextCount = 10;

// The control id of an edit: 1002..1012, pictures per day 1074.
int mmsEditId(MmsEdit edit);

// The order in which taking in all fields reads the edits; its first failing
// check ends the pass.
inline constexpr std::array<MmsEdit, 12> kMmsTakeInOrder = {MmsEdit::Account, MmsEdit::Folder,
    MmsEdit::Url, MmsEdit::Apn, MmsEdit::Password, MmsEdit::Gateway, MmsEdit::Port, MmsEdit::Phone1,
    MmsEdit::Phone2, MmsEdit::Phone3, MmsEdit::Email, MmsEdit::PicturesPerDay};

// Positions of the MMS Mode list (1041).
inline constexpr int kMmsAuto = 0;
inline constexpr int kMmsManual = 1;

// The form's values. Texts are UTF-8 and count their characters in UTF-16
// units, as the edits do. The folder stays with the form's folder row.
struct MmsFormValues {
    int mode = kMmsAuto;                         // MMS Mode list 1041
    int status = 1;                              // MMS Status list 1042 ("VGA")
    OperatorChoice choice;                       // country 1045 and operator 1046
    int connectionType = 0;                      // 1056: 0 "APN", 1 "CSD"
    bool international = false;                  // phone type 1060 on "International"
    int smsRemoteControl = kSmsRemoteControlOff; // 1134 (K600 form: 1061)
    int picturesPerDay = 0;                      // 1074, 0..99, 0 = no limit

    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string phone1;
    std::string email;
    std::string account;
    std::string password;
    std::string phone2;
    std::string phone3;

    bool autoMode() const { return mode == kMmsAuto; }
    // One of the ten texts; empty for the folder and pictures per day.
    const std::string &text(MmsEdit edit) const;
    // Sets one of the ten texts; does nothing for the other edits.
    void setText(MmsEdit edit, std::string value);

    bool operator==(const MmsFormValues &) const = default;
};

// Which of the ten text edits accept typing; the others are read-only.
class MmsEditable {
public:
    bool editable(MmsEdit edit) const;
    void set(std::initializer_list<MmsEdit> edits, bool editable);
    void set(std::span<const MmsEdit> edits, bool editable);

    bool operator==(const MmsEditable &) const = default;

private:
    std::array<bool, kMmsTextCount> m_editable{};
};

// The six operator texts that Auto mode takes from the preset.
inline constexpr std::array<MmsEdit, 6> kMmsOperatorTexts = {MmsEdit::Url, MmsEdit::Apn,
    MmsEdit::Gateway, MmsEdit::Port, MmsEdit::Account, MmsEdit::Password};

} // namespace marrowby
