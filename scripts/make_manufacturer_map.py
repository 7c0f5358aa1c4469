#!/usr/bin/env python3
"""Remakes data/manufacturers.txt, the table that turns INF provider spellings into store folders.

The table is the hand-kept spellings below (the vendors whose drivers fill a store, with the odd
spellings their INF files really carry) topped up with further vendors from the PCI and USB ID
lists of hwdata, so that every stretch of the alphabet holds as many rows as the table has always
had there. The committed data file is what the build embeds; this script is only needed to remake
it, and it refuses to write a table that lacks any of the properties the program relies on.

Usage: make_manufacturer_map.py [--hwdata DIR] [--output FILE]
The committed file was made from hwdata 0.368 (pci.ids 2023.04.10).
"""

import argparse
import collections
import os
import re
import sys

ROWS = 1042
DISTINCT_VALUES = 581
IDENTITY_ROWS = 306
CASE_REPEATED_NAMES = 57
SPACE_BEFORE_EQUALS = 14

# Rows that other parts of the program and its users know by number. Row 908 is kept in the
# single-byte code page its vendor wrote it in; read as GBK, its "\xf6r" is one character.
PINNED = {
    1: ("3COM Corp", "3Com"),
    2: ("3Com Corporation.", "3Com"),
    3: ("3Com", "3Com"),
    16: ("ACER Incorporated", "ACER"),
    17: ("ACER  Incorporated", "ACER"),
    18: ("Acer", "ACER"),
    19: ("Acer Inc", "ACER"),
    20: ("Acer Inc.", "ACER"),
    21: ("Acer Incorporated ", "ACER"),
    22: ("Acer Incorporated", "ACER"),
    23: ("Acer Incorporated.", "ACER"),
    24: ("Acer Technologies", "ACER"),
    25: ("Acer, Inc.", "ACER"),
    26: ("ACER", "ACER"),
    27: ("acer", "ACER"),
    363: ("ESI ", "ESI "),
    448: ("Hewlett-Packard", "HP"),
    908: ("TechnoTrend G\u00f6rler GmbH", "TechnoTrend"),
    937: ("Touchkit", "Touchkit"),
    938: ("TouchKit", "TouchKit"),
    1041: ("英特尔", "Intel"),
    1042: ("英特尔公司", "Intel"),
}
SINGLE_BYTE_ROWS = {908: "cp1252"}

# Spellings whose name ends in a space before the "=": they only match a provider text that
# keeps that space.
SPACED = [
    ("ASUSTeK Computer Inc. ", "ASUS"),
    ("Broadcom Corporation ", "Broadcom"),
    ("Conexant ", "Conexant"),
    ("Dell Inc. ", "Dell"),
    ("INNOMTEK ", "INNOMTEK "),
    ("LSI Corporation ", "LSI"),
    ("Marvell Semiconductor, Inc. ", "Marvell"),
    ("NVIDIA Corporation ", "NVIDIA"),
    ("SAMSUNG Electronics Co., Ltd. ", "Samsung"),
    ("Silicon Image, Inc. ", "Silicon Image"),
    ("Texas Instruments ", "TI"),
    ("VIA Technologies, Inc. ", "VIA"),
]

# One vendor per line: the folder name, then every spelling that files under it. A spelling
# equal to the folder name gives an identity row.
KEPT = """
3dfx: 3dfx | 3Dfx Interactive, Inc.
3Dlabs: 3Dlabs
A4Tech: A4Tech
ABIT: ABIT | ABIT Computer Corporation
AboCom: AboCom | AboCom Systems Inc.
Accton: Accton Technology Corporation | Accton Technology Corp.
ALi: ALi | ALi Corporation | Acer Laboratories Inc.
Adaptec: Adaptec | Adaptec, Inc.
ADMtek: ADMtek | ADMtek Incorporated | ADMtek Inc
ADS Technologies: ADS Technologies | ADS Tech
Advantech: Advantech | Advantech Co., Ltd.
AMD: AMD | Advanced Micro Devices | Advanced Micro Devices, Inc. | Advanced Micro Devices Inc. | AMD Inc. | AMD, Inc.
Agere: Agere | Agere Systems | Agere Systems Inc.
Alcor Micro: Alcor Micro | Alcor Micro Corp. | Alcor Micro, Corp.
ALPS: ALPS | Alps | ALPS Electric Co., Ltd. | Alps Electric
Analog Devices: Analog Devices | Analog Devices, Inc.
Apple: Apple | Apple Inc. | Apple Computer, Inc.
ASIX: ASIX | ASIX Electronics Corporation | ASIX Electronics Corp.
ASMedia: ASMedia | ASMedia Technology Inc.
ASRock: ASRock | ASRock Incorporation
ASUS: ASUS | Asus | ASUSTeK Computer Inc. | ASUSTek Computer Inc. | ASUSTeK Computer Incorporated
Atheros: Atheros | ATHEROS | Atheros Communications Inc. | Atheros Communications, Inc. | Qualcomm Atheros
ATI: ATI | ATI Technologies Inc. | ATI Technologies, Inc. | ATI Research
Atmel: Atmel | Atmel Corporation
AuthenTec: AuthenTec | AuthenTec, Inc.
AVerMedia: AVerMedia | Avermedia | AVERMEDIA | AVerMedia Technologies, Inc. | AVerMedia Technologies Inc.
Avance Logic: Avance Logic | Avance Logic, Inc.
AzureWave: AzureWave | AzureWave Technologies, Inc.
BenQ: BenQ | BenQ Corporation
Belkin: Belkin | BELKIN | Belkin International, Inc. | Belkin Components
Broadcom: Broadcom | BROADCOM | Broadcom Corporation | Broadcom Corp. | Broadcom Inc.
Brother: Brother | Brother Industries, Ltd. | Brother Industries Ltd.
BUFFALO: BUFFALO | Buffalo | BUFFALO INC. | Buffalo Technology
Canon: Canon | CANON | Canon Inc.
Chicony: Chicony | CHICONY | Chicony Electronics Co., Ltd. | Chicony Electronics
Cirrus Logic: Cirrus Logic | Cirrus Logic, Inc. | Cirrus Logic Inc.
Cisco: Cisco | Cisco Systems | Cisco Systems, Inc.
C-Media: C-Media | C-MEDIA | C-Media Electronics Inc. | C-Media Inc.
Compaq: Compaq | Compaq Computer Corporation
Conexant: Conexant | CONEXANT | Conexant Systems, Inc. | Conexant Systems Inc.
Creative: Creative | CREATIVE | Creative Technology Ltd | Creative Technology Ltd. | Creative Labs
Cypress: Cypress | Cypress Semiconductor | Cypress Semiconductor Corporation
D-Link: D-Link | D-LINK | D-Link Corporation | D-Link Systems, Inc.
Davicom: Davicom | DAVICOM Semiconductor, Inc.
Dell: Dell | DELL | Dell Inc. | Dell Computer Corporation
Digi: Digi | Digi International
Edimax: Edimax | EDIMAX | Edimax Technology Co., Ltd.
ELAN: ELAN | Elan | ELAN Microelectronics Corp. | Elantech Devices Corp.
Emulex: Emulex | Emulex Corporation
ENE: ENE | ENE Technology Inc.
Epson: Epson | EPSON | SEIKO EPSON CORPORATION | Seiko Epson Corp.
Ericsson: Ericsson | Ericsson Inc.
ESS: ESS | ESS Technology | ESS Technology, Inc.
Etron: Etron | Etron Technology, Inc.
Fintek: Fintek | Feature Integration Technology Inc.
Foxconn: Foxconn | Hon Hai Precision Industry Co., Ltd. | Foxconn International
Fresco Logic: Fresco Logic | Fresco Logic Inc.
FTDI: FTDI | Future Technology Devices International Ltd. | FTDI Ltd
Fujitsu: Fujitsu | FUJITSU | Fujitsu Limited | Fujitsu Siemens Computers | Fujitsu Technology Solutions
Garmin: Garmin | Garmin International
Genesys Logic: Genesys Logic | GENESYS LOGIC | Genesys Logic, Inc.
Genius: Genius | KYE Systems Corp.
GIGABYTE: GIGABYTE | Gigabyte Technology Co., Ltd.
Google: Google | Google, Inc. | Google Inc.
Hauppauge: Hauppauge | Hauppauge Computer Works | Hauppauge Computer Works, Inc.
HP: HP | hp | Hewlett Packard | Hewlett-Packard Company | Hewlett-Packard Development Company, L.P. | HP Inc.
Hitachi: Hitachi | Hitachi, Ltd.
HTC: HTC | HTC Corporation
Huawei: Huawei | HUAWEI | Huawei Technologies Co., Ltd. | HUAWEI Incorporated
IBM: IBM | International Business Machines | IBM Corporation
IDT: IDT | IDT, Inc. | Integrated Device Technology, Inc.
Intel: Intel | INTEL | Intel Corporation | Intel(R) Corporation | Intel Corp. | Intel Corp | Intel(R)
Intersil: Intersil | Intersil Corporation | Intersil Americas Inc.
JMicron: JMicron | JMICRON | JMicron Technology Corp. | JMicron Technology Corporation
Kingston: Kingston | Kingston Technology
Kodak: Kodak | Eastman Kodak Company
Kyocera: Kyocera | Kyocera Corporation | KYOCERA MITA Corporation
Lenovo: Lenovo | LENOVO | Lenovo Group Limited
Lexmark: Lexmark | Lexmark International, Inc. | Lexmark International
LG: LG | LG Electronics | LG Electronics Inc.
Linksys: Linksys | LINKSYS | Linksys, LLC | Cisco-Linksys, LLC
Logitech: Logitech | LOGITECH | Logitech Inc. | Logitech, Inc.
LSI: LSI | LSI Corporation | LSI Logic | LSI Logic Corporation
Marvell: Marvell | MARVELL | Marvell Semiconductor, Inc. | Marvell Technology Group Ltd.
Matrox: Matrox | MATROX | Matrox Graphics Inc.
MediaTek: MediaTek | Mediatek | MediaTek Inc. | MediaTek, Inc.
Microsoft: Microsoft | MICROSOFT | Microsoft Corporation | Microsoft Corp.
Motorola: Motorola | MOTOROLA | Motorola Inc. | Motorola Mobility
MSI: MSI | Micro-Star International | Micro-Star Int'l Co., Ltd.
MosChip: MosChip | MosChip Semiconductor | MosChip Semiconductor Technology
NEC: NEC | NEC Corporation | NEC Electronics Corporation
Renesas: Renesas | Renesas Electronics | Renesas Electronics Corporation
NETGEAR: NETGEAR | Netgear | NETGEAR Inc. | NETGEAR, Inc.
Nokia: Nokia | NOKIA | Nokia Corporation
Novatel: Novatel Wireless | Novatel Wireless Inc.
NVIDIA: NVIDIA | Nvidia | nVidia | NVIDIA Corporation | NVIDIA Corp.
NXP: NXP | NXP Semiconductors
O2Micro: O2Micro | O2MICRO | O2Micro International | O2Micro, Inc.
Option: Option | Option N.V.
Panasonic: Panasonic | Panasonic Corporation | Matsushita Electric Industrial Co., Ltd.
Philips: Philips | PHILIPS | Philips Semiconductors | Koninklijke Philips Electronics N.V.
Pinnacle: Pinnacle Systems | Pinnacle Systems GmbH
Prolific: Prolific | PROLIFIC | Prolific Technology Inc. | Prolific Technology, Inc.
Promise: Promise | Promise Technology | Promise Technology, Inc.
Qualcomm: Qualcomm | QUALCOMM | Qualcomm Incorporated | Qualcomm Technologies, Inc.
Ralink: Ralink | RaLink | RALINK | Ralink Technology, Corp. | Ralink Technology Corp.
Realtek: REALTEK | Realtek | Realtek Semiconductor Corp. | Realtek Semiconductor Corporation | Realtek Semiconductor Co., Ltd.
Ricoh: Ricoh | RICOH | Ricoh Company, Ltd. | Ricoh Co., Ltd.
Samsung: Samsung | SAMSUNG | Samsung Electronics Co., Ltd. | Samsung Electronics
Sharp: Sharp | SHARP Corporation
Sierra Wireless: Sierra Wireless | Sierra Wireless, Inc.
Silicon Image: Silicon Image | Silicon Image, Inc.
Silicon Labs: Silicon Labs | Silicon Laboratories | Silicon Laboratories Inc.
SiS: SiS | SIS | Silicon Integrated Systems | Silicon Integrated Systems Corp.
SigmaTel: SigmaTel | SigmaTel, Inc.
SMSC: SMSC | Standard Microsystems Corp. | Standard Microsystems Corporation
Sonix: Sonix | SONiX | Sonix Technology Co., Ltd.
Sony: Sony | SONY | Sony Corporation
Sony Ericsson: Sony Ericsson | Sony Ericsson Mobile Communications
Synaptics: Synaptics | SYNAPTICS | Synaptics Incorporated | Synaptics, Inc.
TechnoTrend: TechnoTrend | TechnoTrend AG
Tekram: Tekram | Tekram Technology
TI: TI | Texas Instruments | Texas Instruments Incorporated
Thomson: Thomson | Thomson Inc.
Toshiba: Toshiba | TOSHIBA | TOSHIBA Corporation | Toshiba America Information Systems
TP-LINK: TP-LINK | TP-Link | TP-LINK Technologies Co., Ltd.
Trident: Trident | Trident Microsystems | Trident Microsystems, Inc.
TRENDnet: TRENDnet | TRENDnet, Inc.
Tyan: Tyan | Tyan Computer
u-blox: u-blox | u-blox AG
ULi: ULi | ULi Electronics Inc.
VIA: VIA | Via | VIA Technologies, Inc. | VIA Technologies Inc.
Vimicro: Vimicro | VIMICRO | Vimicro Corporation
VMware: VMware | VMware, Inc.
Wacom: Wacom | WACOM | Wacom Co., Ltd.
Western Digital: Western Digital | Western Digital Technologies, Inc.
Winbond: Winbond | Winbond Electronics Corp.
Xerox: Xerox | Xerox Corporation
Xircom: Xircom
Yamaha: Yamaha | YAMAHA | Yamaha Corporation
ZTE: ZTE | ZTE Corporation | ZTE Incorporated
ZyDAS: ZyDAS | ZyDAS Technology Corp.
ZyXEL: ZyXEL | ZYXEL | ZyXEL Communications Corp.
"""

# Marks of a company's legal form; whatever follows one is no part of the company's name.
LEGAL_FORMS = set("""
inc inc. incorporated corp corp. corporation co co. company ltd ltd. limited llc l.l.c. gmbh ag
kg sa s.a. s.p.a. spa bv b.v. nv n.v. ab oy asa a/s kk k.k. pty plc sarl srl s.r.l. s.r.o. sdn
bhd bhd. berhad pte pte. co.,ltd co.,ltd.
""".split())
# Words that end a company name without naming the company; a folder name drops them.
TRAILING_WORDS = LEGAL_FORMS | set("""
technology technologies tech electronics electronic electric systems system semiconductor
semiconductors international intl industrial industries industry enterprise enterprises computer
computers communications communication group holding holdings devices device products
manufacturing mfg mfg. labs laboratories design designs solutions services networks engineering
research instruments components interactive peripherals precision america americas usa europe
japan taiwan korea asia east pacific microelectronics microsystems information software
telecommunications telecom associates architectures control scientific graphics imaging
multimedia wireless data
""".split())
# Words that join two parts of a name and cannot end one.
CONNECTORS = {"&", "and", "of", "for", "the", "de", "und"}
# Place names that lead many company names; the company is the word after them.
LEADING_PLACES = set("""
shenzhen shanghai beijing guangzhou dongguan suzhou hangzhou xiamen zhuhai zhongshan ningbo
nanjing wuhan chengdu tianjin qingdao fuzhou jiangsu zhejiang
""".split())
# Words too general to name one company on their own.
GENERAL_WORDS = set("""
advanced american applied central computer data digital eastern first general global hi high
info integrated international media micro national network new northern pacific power smart
southern standard star super tele united universal western
""".split())
# Words that make an ID list entry a placeholder rather than a company.
NOT_A_VENDOR = re.compile(
    r"unknown|illegal|wrong|invalid|reserved|fake|\bnot\b|n/a|do not use|generic|\btest|"
    r"example|obsolete|reused|private|unassigned|workshop", re.IGNORECASE)
# Characters a folder name or a provider text in the table may not hold.
BAD_CHARS = set('\\/:*?"<>|=[]{}()#;@!^~`%$')


def fold(text):
    return text.casefold()


def sort_key(name):
    return (fold(name), name)


def parse_kept():
    rows = []
    for line in KEPT.strip().splitlines():
        value, names = line.split(": ", 1)
        rows.extend((name.strip(), value) for name in names.split("|"))
    return rows + SPACED


def read_vendors(hwdata):
    """Vendor names of the PCI and USB ID lists, in file order, without repeats."""
    seen, names = set(), []
    for file_name in ("pci.ids", "usb.ids"):
        with open(os.path.join(hwdata, file_name), encoding="utf-8", errors="replace") as f:
            for line in f:
                m = re.match(r"^[0-9a-f]{4}  (.+?)\s*$", line)
                if m and m.group(1) not in seen:
                    seen.add(m.group(1))
                    names.append(m.group(1))
    return names


def usable_name(name):
    return (4 <= len(name) <= 40 and name.isascii() and name.isprintable()
            and not BAD_CHARS & set(name) and "  " not in name
            and re.search(r"[A-Za-z]{2}", name) and not NOT_A_VENDOR.search(name))


def folder_name(name):
    """The short name a vendor's drivers are filed under, or None when there is no good one."""
    words = name.split()
    while len(words) > 1 and words[0].lower() in LEADING_PLACES:
        words.pop(0)
    legal = [i for i, w in enumerate(words) if i > 0 and w.lower().rstrip(",") in LEGAL_FORMS]
    if legal:
        words = words[:legal[0]]
    words[-1] = words[-1].rstrip(",")
    # A plain word alone would make a poor folder ("Extended"), a coined one does ("FTDI").
    shortest = 1 if re.search(r"[A-Z0-9].*[A-Z0-9]|^[a-z]", words[0]) else 2
    while len(words) > shortest and words[-1].lower().rstrip(",") in TRAILING_WORDS \
            and words[-2].lower() not in CONNECTORS:
        words.pop()
        words[-1] = words[-1].rstrip(",")
    short = " ".join(words).rstrip(",&-")
    if len(short) > 24:
        return None
    if " " not in short and short.lower() in GENERAL_WORDS:
        return None
    if len(short) < 2 or short.endswith((".", " ")) or not re.match(r"[A-Za-z0-9]", short):
        return None
    return short


class Family:
    def __init__(self, short):
        self.short = short
        self.spellings = []  # full names, each different from short even ignoring case

    def names(self, kind):
        return {"I": [self.short], "M": self.spellings[:1],
                "IM": [self.short] + self.spellings[:1], "MM": self.spellings[:2]}[kind]


def vendor_families(vendors, taken_names, taken_words):
    """Families from the ID lists whose names and folder clash with nothing kept by hand."""
    families = collections.OrderedDict()
    for name in vendors:
        if not usable_name(name):
            continue
        short = folder_name(name)
        if short is None or fold(short) in taken_names:
            continue
        first = fold(name.split()[0]).rstrip(",")
        if first in taken_words or fold(short.split()[0]) in taken_words:
            continue
        family = families.setdefault(fold(short), Family(short))
        if fold(name) != fold(short) and fold(name) not in taken_names and \
                all(fold(name) != fold(s) for s in family.spellings):
            family.spellings.append(name)
    return list(families.values())


def spread(items, count):
    """count items picked evenly over the list, so that no stretch of the alphabet crowds."""
    if count > len(items):
        raise SystemExit(f"only {len(items)} vendors for {count} places")
    return [items[(2 * i + 1) * len(items) // (2 * count)] for i in range(count)]


def split_largest_remainder(total, weights):
    whole = sum(weights)
    shares = [total * w // whole if whole else 0 for w in weights]
    order = sorted(range(len(weights)), key=lambda i: -(total * weights[i] % max(whole, 1)))
    for i in order[:total - sum(shares)]:
        shares[i] += 1
    return shares


def build(hwdata):
    kept = parse_kept()
    pinned_rows = sorted(PINNED)
    kept_names = {fold(n) for n, _ in kept} | {fold(n) for n, _ in PINNED.values()}
    kept_values = {fold(v) for _, v in kept} | {fold(v) for _, v in PINNED.values()}
    kept_words = {fold(n.split()[0]).rstrip(",") for n, _ in kept + list(PINNED.values())
                  if n.strip()} | {fold(v.split()[0]) for v in kept_values}
    # Generic first words that several unrelated companies share.
    kept_words -= {"advanced", "silicon", "standard", "western", "international", "integrated",
                   "future", "feature", "analog"}

    # The stretches between pinned rows, each with the rows kept by hand that sort into it.
    gaps = []
    for before, after in zip(pinned_rows, pinned_rows[1:]):
        if after - before > 1:
            gaps.append({"first": before + 1, "size": after - before - 1,
                         "low": fold(PINNED[before][0]), "high": fold(PINNED[after][0]),
                         "rows": []})
    for name, value in kept:
        gap = next((g for g in gaps if g["low"] < fold(name) < g["high"]), None)
        if gap is None:
            raise SystemExit(f"{name!r} sorts into no open stretch")
        gap["rows"].append((name, value))

    everything = kept + list(PINNED.values())
    need_rows = ROWS - len(everything)
    need_values = DISTINCT_VALUES - len({v for _, v in everything})
    need_identity = IDENTITY_ROWS - sum(n == v for n, v in everything)
    need_pairs = need_rows - need_values
    if min(need_rows, need_values, need_identity, need_pairs) < 0 or need_identity > need_values:
        raise SystemExit(f"kept rows overshoot: rows {need_rows}, values {need_values}, "
                         f"identity {need_identity}")

    families = vendor_families(read_vendors(hwdata), kept_names | kept_values, kept_words)
    open_places = [g["size"] - len(g["rows"]) for g in gaps]
    if min(open_places) < 0:
        raise SystemExit("a stretch holds more kept rows than it has places")
    pairs = split_largest_remainder(need_pairs, open_places)
    counts = [places - p for places, p in zip(open_places, pairs)]
    identities = split_largest_remainder(need_identity, counts)

    for gap, n, p, ident in zip(gaps, counts, pairs, identities):
        fits = sorted((f for f in families
                       if gap["low"] < fold(f.short) < gap["high"]
                       and all(gap["low"] < fold(s) < gap["high"] for s in f.spellings[:2])),
                      key=lambda f: fold(f.short))
        with_im = min(p, ident)  # two-row families with an identity row
        with_mm, with_i = p - with_im, ident - with_im
        with_m = n - with_im - with_mm - with_i
        two = spread([f for f in fits if len(f.spellings) >= 2], with_mm)
        one = spread([f for f in fits if f.spellings and f not in two], with_im + with_m)
        bare = spread([f for f in fits if f not in two and f not in one], with_i)
        # Dealt out alternately, so that neither kind gathers in one part of the alphabet.
        kinds = interleave(["IM"] * with_im + ["M"] * with_m)
        for family, kind in [(f, "MM") for f in two] + list(zip(one, kinds)) + \
                [(f, "I") for f in bare]:
            gap["rows"].extend((name, family.short) for name in family.names(kind))
            families.remove(family)

    table = [None] * ROWS
    for row, entry in PINNED.items():
        table[row - 1] = entry
    for gap in gaps:
        if len(gap["rows"]) != gap["size"]:
            raise SystemExit(f"stretch at row {gap['first']}: {len(gap['rows'])} rows "
                             f"for {gap['size']} places")
        for offset, entry in enumerate(sorted(gap["rows"], key=lambda e: sort_key(e[0]))):
            table[gap["first"] - 1 + offset] = entry
    return table


def interleave(kinds):
    """The kinds in an order that alternates them as evenly as their counts allow."""
    counts = collections.Counter(kinds)
    total = len(kinds)
    placed = collections.Counter()
    out = []
    for i in range(total):
        kind = max(counts, key=lambda k: (counts[k] * (i + 1) / total - placed[k], k))
        placed[kind] += 1
        out.append(kind)
    return out


def encode(table):
    lines = []
    for row, (name, value) in enumerate(table, 1):
        line = f"{name}={value}"
        lines.append(line.encode(SINGLE_BYTE_ROWS.get(row, "gbk")))
    return b"".join(line + b"\r\n" for line in lines)


def check(data):
    """Raises SystemExit unless the bytes have every property the program relies on."""
    problems = []
    lines = data.split(b"\r\n")
    if lines[-1] != b"" or b"\r" in data.replace(b"\r\n", b"") or b"\n" in data.replace(b"\r\n", b""):
        problems.append("line ends are not CR LF throughout")
    lines = [line.decode("gbk") for line in lines[:-1]]
    rows = [line.split("=", 1) for line in lines]
    if len(lines) != ROWS:
        problems.append(f"{len(lines)} lines")
    if any(line.count("=") != 1 for line in lines):
        problems.append("a line without exactly one '='")
    for row, (name, value) in PINNED.items():
        expected = f"{name}={value}".encode(SINGLE_BYTE_ROWS.get(row, "gbk")).decode("gbk")
        if lines[row - 1] != expected:
            problems.append(f"row {row} is {lines[row - 1]!r}")
    values = {v for _, v in rows}
    identity = sum(n == v for n, v in rows)
    by_fold = collections.defaultdict(list)
    for name, value in rows:
        by_fold[fold(name)].append(value)
    repeated = {k: v for k, v in by_fold.items() if len(v) > 1}
    mixed = sorted(k for k, v in repeated.items() if len(set(v)) > 1)
    spaced = sum(n.endswith(" ") for n, _ in rows)
    facts = [("distinct values", len(values), DISTINCT_VALUES),
             ("identity rows", identity, IDENTITY_ROWS),
             ("names repeated ignoring case", len(repeated), CASE_REPEATED_NAMES),
             ("names ending in a space", spaced, SPACE_BEFORE_EQUALS),
             ("repeats with differing values", mixed, ["touchkit"])]
    problems += [f"{what}: {got}, want {want}" for what, got, want in facts if got != want]
    if any(not n or n.startswith(" ") for n, _ in rows):
        problems.append("an empty name or one that starts with a space")
    non_ascii = [i + 1 for i, line in enumerate(lines) if not line.isascii()]
    if non_ascii != [908, 1041, 1042]:
        problems.append(f"non-ASCII rows {non_ascii}")

    def look_up(provider):
        return next((v for n, v in rows if fold(n) == fold(provider)), "")
    for provider, want in [("INTEL CORPORATION", "Intel"), ("REALTEK", "Realtek"),
                           ("Realtek", "Realtek"), ("TouchKit", "Touchkit"), ("ESI", ""),
                           ("ESI ", "ESI "), ("Intel Corporation ", ""), ("", ""),
                           ("英特尔公司", "Intel"), ("Acer Incorporated ", "ACER")]:
        if look_up(provider) != want:
            problems.append(f"{provider!r} finds {look_up(provider)!r}, want {want!r}")
    if problems:
        raise SystemExit("\n".join(problems))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--hwdata", default="/usr/share/hwdata")
    parser.add_argument("--output", default=os.path.normpath(os.path.join(here, "..", "data", "manufacturers.txt")))
    args = parser.parse_args()
    data = encode(build(args.hwdata))
    check(data)
    with open(args.output, "wb") as f:
        f.write(data)
    print(f"{args.output}: {ROWS} rows, {len(data)} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
