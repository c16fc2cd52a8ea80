#include "operators/OperatorPresets.h"

#include <algorithm>
#include <iterator>
#include <utility>

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby {

namespace {

// Operator settings from the Android Open Source Project's public APN list
// (Apache License 2.0), as kept by a community distribution in 2016.
//
// Where an operator has since been renamed or taken over, or is a brand of
// another network, its row holds the settings of the network that carries its
// customers. Rows left empty had no usable published settings.

constexpr MmsPresetRow kMmsPresetRows[] = {
    // ---- 0 China ----
    // China Mobile
    {0, 0, {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""}},
    // China Unicom
    {0, 1, {"http://mmsc.myuni.com.cn", "uniwap", "10.0.0.172", "80", "", ""}},

    // ---- 1 United States ----
    // T-Mobile
    {1, 0, {"http://mms.msg.eng.t-mobile.com/mms/wapenc", "TMUS", "", "", "", ""}},
    // AT&T: its gateway is published as a host name only, and the camera takes an IPv4 number
    {1, 1, {"http://mmsc.mobile.att.net/", "phone", "", "", "", ""}},

    // ---- 2 Deutschland ----
    // Vodafone
    {2, 0, {"http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.007.029.017", "80", "", ""}},
    // T-Mobile
    {2, 1, {"http://mms.t-mobile.de/servlets/mms", "internet.t-mobile", "172.028.023.131", "8008",
            "t-mobile", "tm"}},
    // E-Plus
    {2, 2, {"http://mms/eplus/", "mms.eplus.de", "212.23.97.153", "5080", "mms", "eplus"}},
    // O2
    {2, 3, {"http://10.81.0.7:8002", "internet", "82.113.100.5", "8080", "", ""}},

    // ---- 3 United Kingdom ----
    // Vodafone
    {3, 0, {"http://mms.vodafone.co.uk/servlets/mms", "wap.vodafone.co.uk", "212.183.137.12",
            "8799", "wap", "wap"}},
    // O2
    {3, 1, {"http://mmsc.mms.o2.co.uk:8002/", "wap.o2.co.uk", "193.113.200.195", "8080", "o2wap",
            "password"}},
    // O2 Payandgo
    {3, 2, {"http://mmsc.mms.o2.co.uk:8002/", "payandgo.o2.co.uk", "193.113.200.195", "8080",
            "payandgo", "password"}},
    // Orange: now part of EE
    {3, 3, {"http://mms/", "eezone", "149.254.201.135", "8080", "eesecure", "secure"}},
    // 3
    {3, 4, {"http://mms.um.three.co.uk:10021/mmsc", "three.co.uk", "217.171.129.2", "8799", "", ""}},
    // Virgin
    {3, 5, {"http://mms.virginmobile.co.uk:8002", "goto.virginmobile.uk", "193.30.166.2", "8080",
            "user", ""}},
    // Vodafone Prepay
    {3, 6, {"http://mms.vodafone.co.uk/servlets/mms", "pp.vodafone.co.uk", "212.183.137.12",
            "8799", "wap", "wap"}},
    // BT Mobile
    {3, 7, {"http://mms", "mms.bt.com", "149.254.201.135", "8080", "bt", "bt"}},
    // ASDA Mobile
    {3, 8, {"http://mms", "eezone", "149.254.201.135", "8080", "eesecure", "secure"}},

    // ---- 4 Canada ----
    // Fido
    {4, 0, {"http://mms.fido.ca", "fido-core-appl1.apn", "205.151.11.13", "80", "", ""}},
    // Rogers
    {4, 1, {"http://mms.gprs.rogers.com", "rogers-core-appl1.apn", "10.128.1.69", "80", "", ""}},

    // ---- 5 Sweden ----
    // Telenor
    {5, 0, {"http://mms", "services.telenor.se", "172.30.253.241", "8799", "", ""}},
    // Telia
    {5, 1, {"http://mmss/", "mms.telia.se", "193.209.134.132", "80", "", ""}},
    // Tele2
    {5, 2, {"http://mmsc.tele2.se", "4g.tele2.se", "130.244.202.30", "8080", "", ""}},

    // ---- 6 Slovenia ----
    // Mobitel
    {6, 0, {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel",
            "internet"}},
    // Izi Mobil: Mobitel's prepaid brand
    {6, 1, {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel",
            "internet"}},
    // Si Mobil
    {6, 2, {"http://mmc", "mms.simobil.si", "80.95.224.46", "9201", "simobil", "internet"}},
    // Bob: Si.mobil's prepaid brand
    {6, 3, {"http://mmc", "mms.simobil.si", "80.95.224.46", "9201", "simobil", "internet"}},
    // Telemach: formerly Tusmobil
    {6, 4, {"http://mms.tusmobil.si:8002", "mms.tusmobil.si", "91.185.221.85", "8080", "tusmobil",
            "mms"}},

    // ---- 7 Portugal ----
    // Optimus: now NOS
    {7, 0, {"http://mmsc:10021/mmsc", "mms", "62.169.66.5", "8799", "", ""}},
    // Vodafone
    {7, 1, {"http://mms/servlets/mms", "vas.vodafone.pt", "213.30.27.63", "8799", "vas", "vas"}},
    // MEO
    {7, 2, {"http://mmsc", "mmsc.tmn.pt", "10.111.2.16", "8080", "tmn", "tmnnet"}},

    // ---- 8 Turkey ----
    // Avea: now Turk Telekom
    {8, 0, {"http://mms.avea.com.tr/servlets/mms", "mms", "213.161.151.201", "8080", "mms", "mms"}},
    // Turkcell
    {8, 1, {"http://mms.turkcell.com.tr/servlets/mms", "mms", "212.252.169.217", "8080", "mms",
            "mms"}},

    // ---- 9 Schweiz ----
    // Orange
    {9, 0, {"http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", ""}},
    // Sunrise
    {9, 1, {"http://mmsc.sunrise.ch", "mms.sunrise.ch", "212.35.34.75", "8080", "mms", "mms"}},
    // Swisscom
    {9, 2, {"http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2", "8080", "", ""}},

    // ---- 10 Spain ----
    // Orange
    {10, 0, {"http://mms.orange.es", "orangemms", "172.22.188.25", "8080", "orange", "orange"}},
    // Vodafone
    {10, 1, {"http://mmsc.vodafone.es/servlets/mms", "mms.vodafone.net", "212.73.32.10", "80",
             "wap@wap", "wap125"}},
    // Telstra: no Spanish operator of that name
    {10, 2, {}},
    // Movistar
    {10, 3, {"http://mms.movistar.com", "telefonica.es", "10.138.255.5", "8080", "telefonica",
             "telefonica"}},

    // ---- 11 Slovakia ----
    // T-Mobile: now Telekom
    {11, 0, {"http://mms", "mms", "192.168.1.1", "8080", "mms", "mms"}},
    // Orange
    {11, 1, {"http://imms.orange.sk", "mms", "213.151.208.145", "8799", "wap", "wap"}},
    // O2
    {11, 2, {"http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", ""}},

    // ---- 12 Russia ----
    // Мегафон
    {12, 0, {"http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms"}},
    // Билайн
    {12, 1, {"http://mms/", "mms.beeline.ru", "192.168.94.23", "8080", "beeline", "beeline"}},
    // МТС
    {12, 2, {"http://mmsc", "mms.mts.ru", "192.168.192.192", "8080", "mts", "mts"}},
    // Tele2
    {12, 3, {"http://mmsc.tele2.ru", "mms.tele2.ru", "193.12.40.65", "8080", "", ""}},

    // ---- 13 Romania ----
    // Orange
    {13, 0, {"http://wap.mms.orange.ro:8002", "mms", "62.217.247.252", "8799", "", ""}},
    // Telekom: formerly Cosmote
    {13, 1, {"http://mmsc1.mms.cosmote.ro:8002", "mms", "10.252.1.62", "8080", "mms", "mms"}},
    // Vodafone
    {13, 2, {"http://multimedia/servlets/mms", "mms.vodafone.ro", "193.230.161.231", "8080", "mms",
             "vodafone"}},

    // ---- 14 Poland ----
    // ERA: now T-Mobile
    {14, 0, {"http://mms/servlets/mms", "mms", "213.158.194.226", "8080", "", ""}},
    // Orange
    {14, 1, {"http://mms.orange.pl", "mms", "192.168.6.104", "8080", "mms", "mms"}},
    // Plus
    {14, 2, {"http://mms.plusgsm.pl:8002", "mms", "212.2.96.16", "8080", "", ""}},
    // Heyah
    {14, 3, {"http://mms.heyah.pl/servlets/mms", "heyahmms", "213.158.194.57", "8080", "", ""}},
    // Play
    {14, 4, {"http://10.10.28.164/mms/wapenc", "mms", "10.10.25.5", "8080", "", ""}},

    // ---- 15 Netherlands ----
    // T-Mobile
    {15, 0, {"http://t-mobilemms", "mms", "010.010.010.011", "8080", "tmobilemms", "tmobilemms"}},
    // Vodafone
    {15, 1, {"http://mmsc.mms.vodafone.nl", "live.vodafone.com", "192.168.251.150", "8799",
             "vodafone", "vodafone"}},

    // ---- 16 Italy ----
    // TIM
    {16, 0, {"http://mms.tim.it/servlets/mms", "mms.tim.it", "213.230.130.89", "80", "", ""}},
    // Vodafone
    {16, 1, {"http://mms.vodafone.it/servlets/mms", "mms.vodafone.it", "10.128.224.10", "80", "",
             ""}},
    // WIND
    {16, 2, {"http://mms.wind.it", "mms.wind", "212.245.244.11", "8080", "", ""}},
    // TRE
    {16, 3, {"http://10.216.59.240:10021/mmsc", "tre.it", "62.13.171.3", "8799", "", ""}},

    // ---- 17 Ireland ----
    // Meteor
    {17, 0, {"http://mms.mymeteor.ie", "mms.mymeteor.ie", "10.85.85.85", "8799", "my", "meteor"}},
    // Vodafone
    {17, 1, {"http://www.vodafone.ie/mms", "mms.vodafone.net", "10.24.59.200", "80", "", ""}},

    // ---- 18 Hungary ----
    // T-Mobile: now Telekom
    {18, 0, {"http://mms.t-mobile.hu/servlets/mms", "internet.telekom", "212.51.126.10", "8080",
             "", ""}},
    // Vodafone
    {18, 1, {"http://mms.vodafone.hu/servlets/mms", "mms.vodafone.net", "80.244.97.2", "8080", "",
             ""}},

    // ---- 19 Greece ----
    // T-Cosmote
    {19, 0, {"http://mmsc.cosmote.gr:8002", "mms", "10.10.10.20", "8080", "", ""}},
    // Vodafone
    {19, 1, {"http://mms.vodafone.gr", "mms.vodafone.net", "213.249.19.49", "5080", "user", "pass"}},

    // ---- 20 France ----
    // Bouygues
    {20, 0, {"http://mms.bouyguestelecom.fr/mms/wapenc", "mmsbouygtel.com", "62.201.129.226",
             "8080", "", ""}},
    // Orange
    {20, 1, {"http://mms.orange.fr", "orange.acte", "192.168.10.200", "8080", "orange", "orange"}},
    // SFR
    {20, 2, {"http://mms1", "mmssfr", "10.151.0.1", "8080", "", ""}},
    // Free
    {20, 3, {"http://mms.free.fr", "mmsfree", "", "", "", ""}},

    // ---- 21 Australia ----
    // Optus
    {21, 0, {"http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""}},
    // Telstra
    {21, 1, {"http://mmsc.telstra.com:8002", "telstra.mms", "10.1.1.180", "80", "", ""}},
    // Mic1: the Lebanese operator Alfa, not an Australian one
    {21, 2, {}},
    // Vodafone
    {21, 3, {"http://pxt.vodafone.net.au/pxtsend", "live.vodafone.com", "10.202.2.60", "8080", "",
             ""}},
    // Three
    {21, 4, {"http://mmsc.three.net.au:10021/mmsc", "3services", "10.176.57.25", "8799", "", ""}},
    // Virgin
    {21, 5, {"http://mms.virginvibe.com.au:8002/", "virginmms", "202.139.083.152", "8070", "", ""}},

    // ---- 22 Oesterreich ----
    // A1
    {22, 0, {"http://mmsc.A1.net", "free.A1.net", "194.48.124.71", "8001", "ppp@A1plus.at", "ppp"}},
    // T-Mobile
    {22, 1, {"http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "010.012.000.020", "80",
             "t-mobile", "tm"}},

    // ---- 23 Brazil ----
    // Brazil Telecom: merged into Oi
    {23, 0, {"http://200.222.42.204:8002/", "mmsgprs.oi.com.br", "192.168.10.50", "3128", "oimms",
             "oioioi"}},
    // Claro
    {23, 1, {"http://mms.claro.com.br", "mms.claro.com.br", "200.169.126.10", "8799", "claro",
             "claro"}},

    // ---- 24 Bulgaria ----
    // M-tel
    {24, 0, {"http://mmsc/", "mms-gprs.mtel.bg", "10.150.0.33", "8080", "mtel", "mtel"}},
    // Vivacom
    {24, 1, {"http://mmsc.vivacom.bg", "mms.vivacom.bg", "192.168.123.123", "8080", "mms", "mms"}},
    // Telenor
    {24, 2, {"http://mmsc1.mms.telenor.bg:8002", "mms.telenor.bg", "192.168.87.11", "8004", "mms",
             ""}},

    // ---- 25 Croatia ----
    // VIPNet
    {25, 0, {"http://mms.vipnet.hr/servlets/mms", "mms.vipnet.hr", "212.91.99.91", "8080", "", ""}},
    // T-mobile HR
    {25, 1, {"http://mms.t-mobile.hr/servlets/mms", "mms.htgprs", "10.12.0.4", "8080", "", ""}},

    // ---- 26 Ceska republika ----
    // Eurotel: now O2
    {26, 0, {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    // O2
    {26, 1, {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    // T-Mobile
    {26, 2, {"http://mms", "mms.t-mobile.cz", "010.000.000.010", "80", "mms", "mms"}},
    // Vodafone
    {26, 3, {"http://mms", "mms", "10.11.10.111", "80", "mms", "mms"}},

    // ---- 27 Denmark ----
    // Sonofon: now Telenor
    {27, 0, {"http://mms.telenor.dk", "telenor", "212.88.64.8", "8080", "", ""}},
    // TDC: its gateway is published as a host name only, and the camera takes an IPv4 number
    {27, 1, {"http://mmsc.tdc.dk:8002", "MMS", "", "", "", ""}},
    // Telia
    {27, 2, {"http://mms.telia.dk", "www.mms.mtelia.dk", "193.209.134.131", "80", "", ""}},

    // ---- 28 Finland ----
    // Alands
    {28, 0, {"http://mms.amt.aland.fi", "mms", "194.110.177.70", "8080", "", ""}},
    // DNA
    {28, 1, {"http://mmsc.dnafinland.fi", "mms", "10.1.1.2", "8080", "dna", "mms"}},
    // Sonera
    {28, 2, {"http://mms.sonera.fi:8002", "wap.sonera.net", "195.156.25.33", "80", "", ""}},
    // Elisa
    {28, 3, {"http://mms.elisa.fi", "mms", "213.161.41.57", "80", "", ""}},

    // ---- 29 New Zealand ----
    // Vodafone
    {29, 0, {"http://pxt.vodafone.net.nz/pxtsend", "live.vodafone.com", "172.30.38.3", "8080", "",
             ""}},

    // ---- 30 Norway ----
    // Teila N: Telia Norway, formerly NetCom
    {30, 0, {"http://mm/", "netcom", "212.169.66.4", "8080", "", ""}},
    // Telenor: its gateway is published as a host name only, and the camera takes an IPv4 number
    {30, 1, {"http://mmsc/", "telenor.smart", "", "", "", ""}},
    // Onecall: no published settings found
    {30, 2, {}},
    // Tele2
    {30, 3, {"http://mmsc.tele2.no", "internet.tele2.no", "193.12.40.14", "8080", "", ""}},
    // NetworkNorway
    {30, 4, {"http://mms.nwn.no", "mms", "188.149.250.10", "80", "", ""}},
    // Chess: no published settings found
    {30, 5, {}},

    // ---- 31 South Africa ----
    // Cell C
    {31, 0, {"http://mms.cmobile.co.za", "mms", "196.031.116.250", "8080", "", ""}},
    // Virgin
    {31, 1, {"http://mms.virginmobile.co.za", "vmms", "196.31.116.242", "8080", "", ""}},
    // MTN: its published MMS settings lack the MMS centre
    {31, 2, {}},
    // Vodacom
    {31, 3, {"http://mmsc.vodacom4me.co.za/", "mms.vodacom.net", "196.6.128.13", "8080", "", ""}},

    // ---- 32 Egypt ----
    // MobilNil: now Orange
    {32, 0, {"http://10.7.13.24:8002/", "mobinilmms", "62.241.155.45", "8080", "", ""}},
    // Vodafone
    {32, 1, {"http://mms.vodafone.com.eg/servlets/mms", "mms.vodafone.com.eg", "163.121.178.2",
             "8080", "mms", "mms"}},

    // ---- 33 Ukraine ----
    // KiyvStar
    {33, 0, {"http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080", "", ""}},
    // MTS: now Vodafone
    {33, 1, {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},
    // LIFE
    {33, 2, {"http://mms.life.com.ua/cmms/post", "mms", "212.58.162.230", "8080", "", ""}},
    // Beeline UA
    {33, 3, {"http://mms/", "mms.beeline.ua", "10.11.8.18", "8080", "", ""}},
    // UMC Ukraine: later MTS, now Vodafone
    {33, 4, {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},
    // Vodafone-MTS: formerly MTS
    {33, 5, {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},

    // ---- 34 Lithuania ----
    // Omnitel
    {34, 0, {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    // Omnitel Ezio: Omnitel's prepaid brand
    {34, 1, {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    // Tele2 Pildyk: Tele2's prepaid brand
    {34, 2, {"http://mmsc.tele2.lt/", "mms.tele2.lt", "193.12.40.29", "8080", "", ""}},
    // Bite
    {34, 3, {"http://mmsc", "mms", "192.168.150.2", "8080", "mms@mms", "mms"}},

    // ---- 35 India ----
    // Idea
    {35, 0, {"http://10.4.42.21:8002", "mmsc", "10.4.42.15", "8080", "", ""}},
    // CellOne: BSNL's brand
    {35, 1, {"http://bsnlmmsc.in:8514", "bsnlmms", "10.210.10.11", "8080", "", ""}},
    // BPL: the network (later Loop Mobile) closed in 2014
    {35, 2, {}},
    // Airtel
    {35, 3, {"http://100.1.201.171:10021/mmsc", "airtelmms.com", "100.1.201.172", "8799", "", ""}},
    // VodaFone
    {35, 4, {"http://mms1.live.vodafone.in/mms/", "portalnmms", "10.10.1.100", "9401", "", ""}},

    // ---- 36 Latvia ----
    // Okarte: LMT's prepaid brand
    {36, 0, {"http://mmsc.lmt.lv/mmsc", "internet.lmt.lv", "212.93.97.201", "8080", "", ""}},
    // Zelta zivtina: Tele2's prepaid brand
    {36, 1, {"http://mmsc.tele2.lv/", "mms.tele2.lv", "193.12.40.38", "8080", "wap", "wap"}},
    // BITE Latvia: no account, since no password comes with it
    {36, 2, {"http://mmsc/servlets/mms", "mms", "192.168.150.2", "8080", "", ""}},

    // ---- 37 Namibia ----
    // MTC: no published settings found
    {37, 0, {}},

    // ---- 38 Estonia ----
    // EMT: now Telia
    {38, 0, {"http://mms.emt.ee/servlets/mms", "mms.emt.ee", "", "", "", ""}},
    // ELISA: no gateway, like every Estonian operator
    {38, 1, {"http://194.204.2.10", "mms", "", "", "", ""}},
    // TELE2: no gateway, like every Estonian operator
    {38, 2, {"http://mmsc.tele2.ee", "mms.tele2.ee", "", "", "", ""}},
    // Telia: formerly EMT
    {38, 3, {"http://mms.emt.ee/servlets/mms", "mms.emt.ee", "", "", "", ""}},

    // ---- 39 Belgium ----
    // Proximus
    {39, 0, {"http://mmsc.proximus.be/mms", "event.proximus.be", "10.55.14.75", "8080", "mms",
             "mms"}},
    // Mobistar: now Orange
    {39, 1, {"http://mmsc.mobistar.be", "mms.be", "212.65.63.143", "8080", "mobistar", "mobistar"}},
    // Base
    {39, 2, {"http://mmsc.base.be", "mms.base.be", "217.72.235.1", "8080", "base", "base"}},

    // ---- 40 Cyprus ----
    // Cyta
    {40, 0, {"http://mmsc.cyta.com.cy", "cytamobile", "212.31.96.161", "8080", "", ""}},

    // ---- 41 Cayman Islands ----
    // Digicel: its SIMs carry the network code 338-050
    {41, 0, {"http://mms.digicelgroup.com", "wap", "172.16.7.12", "8080", "", ""}},

    // ---- 42 Israel ----
    // Golan Telecom
    {42, 0, {"http://mmsc.golantelecom.co.il", "mms.golantelecom.net.il", "10.224.228.81", "80",
             "", ""}},

    // ---- 43 Bosnia and Herzegovina ----
    // BH TELECOM
    {43, 0, {"http://mms.bhmobile.ba/cmmsc/post", "mms.bhmobile.ba", "195.222.56.41", "8080", "",
             ""}},
    // M TEL
    {43, 1, {"http://mmsc.mtel.ba/mms/wapenc", "mtelmms", "192.168.61.11", "8080", "", ""}},
    // ERONET
    {43, 2, {"http://mms.gprs.eronet.ba/mms/wapenc", "mms.eronet.ba", "10.12.3.11", "8080", "", ""}},
};

constexpr GprsPresetRow kGprsPresetRows[] = {
    // ---- 0 China ----
    // China Mobile
    {0, 0, {"cmnet", "", ""}},
    // China Unicom
    {0, 1, {"uninet", "", ""}},

    // ---- 1 United States ----
    // T-Mobile
    {1, 0, {"fast.t-mobile.com", "", ""}},
    // AT&T
    {1, 1, {"phone", "", ""}},

    // ---- 2 Deutschland ----
    // Vodafone
    {2, 0, {"web.vodafone.de", "", ""}},
    // T-Mobile
    {2, 1, {"internet.t-mobile", "t-mobile", "tm"}},
    // E-Plus
    {2, 2, {"internet.eplus.de", "eplus", "internet"}},
    // O2
    {2, 3, {"internet", "", ""}},

    // ---- 3 United Kingdom ----
    // Vodafone
    {3, 0, {"internet", "web", "web"}},
    // O2
    {3, 1, {"mobile.o2.co.uk", "o2web", "password"}},
    // T-Mobile: now part of EE
    {3, 2, {"everywhere", "eesecure", "secure"}},
    // Orange: now part of EE
    {3, 3, {"everywhere", "eesecure", "secure"}},
    // 3
    {3, 4, {"three.co.uk", "", ""}},
    // Virgin
    {3, 5, {"goto.virginmobile.uk", "user", ""}},
    // Tesco Mobile
    {3, 6, {"prepay.tesco-mobile.com", "tescowap", "password"}},
    // ASDA Mobile
    {3, 7, {"everywhere", "eesecure", "secure"}},

    // ---- 4 Canada ----
    // Fido
    {4, 0, {"internet.fido.ca", "", ""}},
    // Rogers
    {4, 1, {"rogers-core-appl1.apn", "", ""}},

    // ---- 5 Sweden ----
    // Telenor
    {5, 0, {"internet.telenor.se", "", ""}},
    // Telia
    {5, 1, {"online.telia.se", "", ""}},
    // Tele2
    {5, 2, {"4g.tele2.se", "", ""}},

    // ---- 6 Slovenia ----
    // Mobitel
    {6, 0, {"internet", "mobitel", "internet"}},
    // Simobil
    {6, 1, {"internet.simobil.si", "simobil", "internet"}},
    // izimobil: Mobitel's prepaid brand
    {6, 2, {"internet", "mobitel", "internet"}},
    // Bob: Si.mobil's prepaid brand
    {6, 3, {"internet.simobil.si", "simobil", "internet"}},
    // Telemach: formerly Tusmobil
    {6, 4, {"internet.tusmobil.si", "tusmobil", "internet"}},

    // ---- 7 Portugal ----
    // Optimus: now NOS
    {7, 0, {"umts", "", ""}},
    // Vodafone
    {7, 1, {"net2.vodafone.pt", "", ""}},
    // MEO
    {7, 2, {"internet", "", ""}},

    // ---- 8 Turkey ----
    // Avea: now Turk Telekom
    {8, 0, {"internet", "wap", "wap"}},
    // Turkcell
    {8, 1, {"Internet", "", ""}},

    // ---- 9 Schweiz ----
    // Orange
    {9, 0, {"internet", "", ""}},
    // Sunrise
    {9, 1, {"internet", "", ""}},
    // Swisscom: no access point
    {9, 2, {"", "", ""}},

    // ---- 10 Spain ----
    // Amena: now Orange
    {10, 0, {"orangeworld", "orange", "orange"}},
    // Vodafone
    {10, 1, {"airtelnet.es", "vodafone", "vodafone"}},
    // Telefonica: trades as Movistar
    {10, 2, {"telefonica.es", "telefonica", "telefonica"}},
    // Orange
    {10, 3, {"orangeworld", "orange", "orange"}},

    // ---- 11 Slovakia ----
    // T-Mobile: now Telekom
    {11, 0, {"internet", "", ""}},
    // Orange
    {11, 1, {"internet", "", ""}},
    // O2
    {11, 2, {"o2internet", "", ""}},

    // ---- 12 Russia ----
    // Мегафон
    {12, 0, {"internet", "", ""}},
    // Билайн
    {12, 1, {"internet.beeline.ru", "beeline", "beeline"}},
    // МТС
    {12, 2, {"internet.mts.ru", "mts", "mts"}},
    // Tele2
    {12, 3, {"internet.tele2.ru", "", ""}},

    // ---- 13 Romania ----
    // Orange
    {13, 0, {"net", "", ""}},

    // ---- 14 Poland ----
    // ERA: now T-Mobile
    {14, 0, {"internet", "", ""}},
    // Orange
    {14, 1, {"internet", "internet", "internet"}},

    // ---- 15 Netherlands ----
    // T-Mobile
    {15, 0, {"internet", "", ""}},
    // Vodafone
    {15, 1, {"live.vodafone.com", "vodafone", "vodafone"}},

    // ---- 16 Italy ----
    // TIM
    {16, 0, {"ibox.tim.it", "", ""}},
    // Vodafone
    {16, 1, {"mobile.vodafone.it", "", ""}},
    // WIND
    {16, 2, {"internet.wind", "", ""}},
    // TRE
    {16, 3, {"tre.it", "", ""}},

    // ---- 17 Ireland ----
    // Meteor
    {17, 0, {"data.mymeteor.ie", "", ""}},
    // Vodafone
    {17, 1, {"isp.vodafone.ie", "vodafone", "vodafone"}},

    // ---- 18 Hungary ----
    // Pannon (contract): now Telenor
    {18, 0, {"net", "", ""}},
    // Vodafone
    {18, 1, {"internet.vodafone.net", "", ""}},
    // T-Mobile: now Telekom
    {18, 2, {"internet.telekom", "", ""}},

    // ---- 19 Greece ----
    // T-Cosmote
    {19, 0, {"internet", "", ""}},
    // Vodafone
    {19, 1, {"internet.vodafone.gr", "user", "pass"}},

    // ---- 20 France ----
    // Bouygues
    {20, 0, {"mmsbouygtel.com", "", ""}},
    // Orange
    {20, 1, {"orange", "orange", "orange"}},

    // ---- 21 Australia ----
    // Optus
    {21, 0, {"internet", "", ""}},
    // Telstra
    {21, 1, {"telstra.internet", "", ""}},
    // Vodafone
    {21, 2, {"live.vodafone.com", "", ""}},
    // Three
    {21, 3, {"3netaccess", "", ""}},
    // Virgin
    {21, 4, {"virgininternet", "", ""}},

    // ---- 22 Oesterreich ----
    // A1
    {22, 0, {"a1.net", "ppp@A1plus.at", "ppp"}},
    // T-Mobile
    {22, 1, {"gprsinternet", "t-mobile", "tm"}},

    // ---- 23 Brazil ----
    // Brazil Telecom: merged into Oi
    {23, 0, {"gprs.oi.com.br", "oi", "oi"}},
    // Claro
    {23, 1, {"claro.com.br", "claro", "claro"}},

    // ---- 24 Bulgaria ----
    // M-tel
    {24, 0, {"inet-gprs.mtel.bg", "", ""}},
    // Vivacom
    {24, 1, {"internet.vivacom.bg", "VIVACOM", "VIVACOM"}},
    // Telenor
    {24, 2, {"telenor", "telenor", ""}},

    // ---- 25 Croatia ----
    // VIPNet
    {25, 0, {"data.vip.hr", "38591", "38591"}},

    // ---- 26 Ceska republika ----
    // Eurotel: now O2
    {26, 0, {"internet", "", ""}},
    // O2
    {26, 1, {"internet", "", ""}},
    // T-Mobile
    {26, 2, {"internet.t-mobile.cz", "wap", "wap"}},
    // Vodafone
    {26, 3, {"internet", "", ""}},

    // ---- 27 Denmark ----
    // TDC
    {27, 0, {"internet", "", ""}},
    // Telia
    {27, 1, {"www.internet.mtelia.dk", "", ""}},

    // ---- 28 Finland ----
    // Radiolinja: now Elisa
    {28, 0, {"internet", "", ""}},
    // DNA
    {28, 1, {"internet", "", ""}},
    // Sonera
    {28, 2, {"internet", "", ""}},
    // Elisa
    {28, 3, {"internet", "", ""}},

    // ---- 29 New Zealand ----
    // Vodafone
    {29, 0, {"www.vodafone.net.nz", "", ""}},

    // ---- 30 Norway ----
    // Teila N: Telia Norway, formerly NetCom
    {30, 0, {"netcom", "", ""}},
    // Telenor
    {30, 1, {"telenor.smart", "", ""}},
    // Tele2
    {30, 2, {"internet.tele2.no", "", ""}},
    // NetworkNorway
    {30, 3, {"internet", "", ""}},

    // ---- 31 South Africa ----
    // Cell C: no published internet settings found
    {31, 0, {}},
    // Vodacom
    {31, 1, {"internet", "", ""}},
    // MTN
    {31, 2, {"internet", "", ""}},

    // ---- 32 Egypt ----
    // MobilNil: now Orange
    {32, 0, {"mobinilweb", "", ""}},
    // Vodafone
    {32, 1, {"internet.vodafone.net", "internet", "internet"}},

    // ---- 33 Ukraine ----
    // KiyvStar
    {33, 0, {"www.kyivstar.net", "", ""}},
    // MTS: now Vodafone
    {33, 1, {"internet", "", ""}},
    // LIFE
    {33, 2, {"internet", "", ""}},
    // Beeline UA
    {33, 3, {"internet.beeline.ua", "", ""}},
    // Vodafone-MTS: formerly MTS
    {33, 4, {"internet", "", ""}},

    // ---- 34 Lithuania ----
    // Omnitel
    {34, 0, {"omnitel", "omni", "omni"}},
    // Bite
    {34, 1, {"banga", "", ""}},

    // ---- 35 India ----
    // Idea
    {35, 0, {"internet", "", ""}},
    // BPL: the network (later Loop Mobile) closed in 2014
    {35, 1, {}},
    // Airtel
    {35, 2, {"airtelgprs.com", "", ""}},
    // VodaFone
    {35, 3, {"www", "", ""}},

    // ---- 36 Latvia ----
    // LMT
    {36, 0, {"internet.lmt.lv", "", ""}},

    // ---- 37 Namibia ----
    // MTC: no published settings found
    {37, 0, {}},

    // ---- 38 Estonia ----
    // EMT: now Telia
    {38, 0, {"internet.emt.ee", "", ""}},
    // ELISA
    {38, 1, {"internet", "", ""}},
    // TELE2
    {38, 2, {"internet.tele2.ee", "wap", "wap"}},
    // Telia: formerly EMT
    {38, 3, {"internet.emt.ee", "", ""}},

    // ---- 39 Belgium ----
    // Proximus
    {39, 0, {"internet.proximus.be", "", ""}},
    // Mobistar: now Orange
    {39, 1, {"mworld.be", "mobistar", "mobistar"}},
    // Base
    {39, 2, {"gprs.base.be", "base", "base"}},

    // ---- 40 Cyprus ----
    // Cyta
    {40, 0, {"cytamobile", "", ""}},

    // ---- 41 Israel ----
    // Golan Telecom
    {41, 0, {"internet.golantelecom.net.il", "", ""}},

    // ---- 42 Bosnia and Herzegovina ----
    // BH TELECOM
    {42, 0, {"active.bhmobile.ba", "", ""}},
    // M TEL
    {42, 1, {"3g1", "", ""}},
    // ERONET
    {42, 2, {"gprs.eronet.ba", "", ""}},
};

// GPRS operators whose access point the camera's operator lists leave empty:
// for them an empty one is the setting, not a gap (see docs/operator-presets.md).
constexpr std::pair<int, int> kGprsWithoutAccessPoint[] = {
    {9, 2}, // Schweiz, Swisscom
};

constexpr bool fitsLimits(const MmsPreset &p)
{
    return p.url.size() <= PresetLimits::Url && p.apn.size() <= PresetLimits::Apn
        && p.gateway.size() <= PresetLimits::Gateway && p.port.size() <= PresetLimits::Port
        && p.account.size() <= PresetLimits::Account && p.password.size() <= PresetLimits::Password;
}

constexpr bool fitsLimits(const GprsPreset &p)
{
    return p.apn.size() <= PresetLimits::GprsText && p.account.size() <= PresetLimits::GprsText
        && p.password.size() <= PresetLimits::GprsText;
}

constexpr int listOf(const MmsPresetRow &row) { return row.country; }
constexpr int listOf(const GprsPresetRow &row) { return row.position; }

// Every row lies inside its table, no slot has two rows, every value fits its field.
template <std::size_t Lists, typename Row, std::size_t N>
constexpr bool rowsAreSound(const Row (&rows)[N])
{
    std::array<std::array<bool, kMaxOperators>, Lists> seen{};
    for (const Row &row : rows) {
        const int list = listOf(row);
        if (list < 0 || list >= static_cast<int>(Lists) || row.op < 0 || row.op >= kMaxOperators)
            return false;
        bool &slot = seen[static_cast<std::size_t>(list)][static_cast<std::size_t>(row.op)];
        if (slot || !fitsLimits(row.preset))
            return false;
        slot = true;
    }
    return true;
}
static_assert(rowsAreSound<kCountryCount>(kMmsPresetRows));
static_assert(rowsAreSound<kGprsCountryCount>(kGprsPresetRows));

template <typename Preset, std::size_t Lists, typename Row, std::size_t N>
constexpr std::array<std::array<Preset, kMaxOperators>, Lists> gridOf(const Row (&rows)[N])
{
    std::array<std::array<Preset, kMaxOperators>, Lists> grid{};
    for (const Row &row : rows)
        grid[static_cast<std::size_t>(listOf(row))][static_cast<std::size_t>(row.op)] = row.preset;
    return grid;
}

} // namespace

const std::array<std::array<MmsPreset, kMaxOperators>, kCountryCount> MmsPresets =
    gridOf<MmsPreset, kCountryCount>(kMmsPresetRows);
const std::array<std::array<GprsPreset, kMaxOperators>, kGprsCountryCount> GprsPresets =
    gridOf<GprsPreset, kGprsCountryCount>(kGprsPresetRows);

std::span<const MmsPresetRow> mmsPresetRows()
{
    return kMmsPresetRows;
}

std::span<const GprsPresetRow> gprsPresetRows()
{
    return kGprsPresetRows;
}

MmsPreset mmsPreset(int countryIndex, int operatorIndex)
{
    if (operatorIndex < 0 || operatorIndex >= mmsOperatorCount(countryIndex))
        return {};
    return MmsPresets[static_cast<std::size_t>(countryIndex)][static_cast<std::size_t>(operatorIndex)];
}

GprsPreset gprsPreset(int position, int operatorIndex)
{
    if (operatorIndex < 0 || operatorIndex >= gprsOperatorCount(position))
        return {};
    return GprsPresets[static_cast<std::size_t>(position)][static_cast<std::size_t>(operatorIndex)];
}

std::optional<IncompletePreset> incompleteMmsPreset(int countryIndex, int operatorIndex)
{
    const MmsPreset preset = mmsPreset(countryIndex, operatorIndex);
    if (preset.url.empty())
        return IncompletePreset{countryIndex, operatorIndex, PresetSetting::Url};
    if (preset.apn.empty())
        return IncompletePreset{countryIndex, operatorIndex, PresetSetting::Apn};
    return std::nullopt;
}

std::optional<IncompletePreset> incompleteGprsPreset(int position, int operatorIndex)
{
    if (!gprsPreset(position, operatorIndex).apn.empty())
        return std::nullopt;
    const std::pair slot{position, operatorIndex};
    if (std::ranges::find(kGprsWithoutAccessPoint, slot) != std::end(kGprsWithoutAccessPoint))
        return std::nullopt;
    return IncompletePreset{position, operatorIndex, PresetSetting::Apn};
}

} // namespace marrowby
