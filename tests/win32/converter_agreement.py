#!/usr/bin/env python3
# converter_agreement.py <build folder> <converters source folder>
#
# The Windows converters against the Linux ones. A corpus made by the real tools (srec_cat, GNU
# objcopy) and damaged copies of it go through the Linux SRECORD.EXE (srec_cat) and the Windows
# SRECORD.EXE under Wine: both must accept and refuse the same files, and make the same bytes. Then
# the Windows batch files under "wine cmd /c" convert a good file and refuse bad ones.
# Wine runs in a prefix of this test's own in the build folder, with one server for the whole run.
import concurrent.futures, os, random, shutil, subprocess, sys, time

build, converters = (os.path.abspath(p) for p in sys.argv[1:3])
work = os.path.join(build, "converter-agreement")
shutil.rmtree(work, ignore_errors=True)
os.makedirs(os.path.join(work, "corpus"))
env = dict(os.environ, WINEPREFIX=os.path.join(build, "wine-converters"), WINEDEBUG="-all",
           WINEDLLOVERRIDES="winemenubuilder.exe=d")
env.pop("DISPLAY", None)  # console programs only; a server never started with a display stays so
started = time.monotonic()
rand = random.Random(18)
failures = []

def run(*args, **kw):
    return subprocess.run(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)

def corpus(name):
    return os.path.join(work, "corpus", name + ".mot")

# Files the real tools write.
def binary(size, name):
    open(os.path.join(work, name), "wb").write(rand.randbytes(size))
    return os.path.join(work, name)

def srec_cat(name, *inputs_and_options):
    subprocess.run(["srec_cat", *inputs_and_options, "-o", corpus(name), "-motorola"], check=True)

def objcopy(name, source, *options):
    tool = shutil.which("x86_64-linux-gnu-objcopy") or "objcopy"
    subprocess.run([tool, "-I", "binary", "-O", "srec", *options, source, corpus(name)], check=True)

big = binary(150_000, "big")
small = binary(3_000, "small")
srec_cat("s1s2-at-0", big, "-binary")
srec_cat("s1s2-at-8000", big, "-binary", "-offset", "0x8000")
srec_cat("s1s2s3", small, "-binary", "-offset", "0xFF00", small, "-binary", "-offset", "0xFFFF00")
srec_cat("s2s3", small, "-binary", "-offset", "0xFFF800")
srec_cat("no-header", small, "-binary", "-offset", "0xF000", "-disable=header")
srec_cat("start-address", small, "-binary", "-offset", "0x8000", "-execution-start-address", "0x8000")
srec_cat("bare", small, "-binary", "-disable=header", "-disable=data-count")
srec_cat("address-3", small, "-binary", "-address-length=3")
srec_cat("address-4", big, "-binary", "-offset", "0x20000", "-address-length=4")
srec_cat("block-16", small, "-binary", "-offset", "0xF800", "-output-block-size=16")
srec_cat("block-32", small, "-binary", "-output-block-size=32")
srec_cat("line-46", small, "-binary", "-line-length=46")
for name, top in [("limit-64MiB", 0x3FFFFFF), ("limit-over", 0x4000000)]:  # a byte at 0, one at top
    srec_cat(name, "-generate", "0", "1", "-constant", "1", "-generate", hex(top), hex(top + 1),
             "-constant", "2")
objcopy("objcopy-s1", big)
objcopy("objcopy-s2", small, "--change-addresses", "0x20000")
objcopy("objcopy-s3", small, "--srec-forceS3")
good = [n[:-4] for n in sorted(os.listdir(os.path.join(work, "corpus")))]

def lines_of(name):
    return open(corpus(name), newline="").read().splitlines()

def write(name, lines, end="\n"):
    open(corpus(name), "w", newline="").write("".join(line + end for line in lines))

write("s1s2-at-8000-crlf", lines_of("s1s2-at-8000"), "\r\n")
write("s1s2-at-8000-lower-hex", ["S" + line[1:].lower() for line in lines_of("s1s2-at-8000")])
write("s1s2-at-8000-lower", [line.lower() for line in lines_of("s1s2-at-8000")])

def fixed(line):  # the record with its checksum made right again, as a careful forger would
    return line[:-2] + "%02X" % (0xFF - sum(bytes.fromhex(line[2:-2])) & 0xFF)

# Damage that a checksum catches, that only the layout catches, and that srec_cat lets pass.
for base in ["s1s2-at-8000", "s2s3", "objcopy-s1", "address-4", "no-header"]:
    lines = lines_of(base)
    data = [i for i, line in enumerate(lines) if line[1] in "123"]
    others = [i for i, line in enumerate(lines) if line[1] not in "123"]
    border = [i for i in data[1:] if lines[i][1] != lines[i - 1][1]]

    def variant(what, at, changed, replaced=1):
        write(base + "-" + what, lines[:at] + changed + lines[at + replaced:])

    for n, i in enumerate([data[0], rand.choice(data), data[-1]] + border[:1] + others):
        for digit in rand.sample([d for d in "012356789" if d != lines[i][1]], 2):
            variant("flip%d-S%s" % (n, digit), i, ["S" + digit + lines[i][2:]])
    i = rand.choice(data[: len(data) // 2])  # a data record follows it
    line = lines[i]
    variant("checksum", i, [line[:-2] + "%02X" % (int(line[-2:], 16) ^ 1)])
    variant("not-hex", i, [line[:8] + "G" + line[9:]])
    variant("short-line", i, [line[:8] + line[10:]])
    variant("cut-in-line", i, [line[: len(line) // 2]], len(lines))
    variant("cut-at-line", data[len(data) // 2], [], len(lines))
    variant("record-dropped", i, [])
    variant("garbage-line", i, [line, "this is not a record"])
    variant("blank-lines", i, [line, "", "  "])
    variant("trailing-blank", i, [line + " "])
    variant("s4", i, [line, fixed("S4" + line[2:])])
    variant("end-mark", len(lines), ["\x1a"])
    # In place of the next record, so that a count record still agrees: the same record again, and
    # one at its address that differs in its last byte.
    variant("repeated", i, [line, line], 2)
    variant("contradiction", i, [line, fixed(line[:-4] + "%02X00" % (int(line[-4:-2], 16) ^ 0x5A))], 2)
    for k in [k for k in others if lines[k][1] in "56"]:
        count = int(lines[k][4:-2], 16) + 1
        variant("count-wrong", k, [fixed("%s%0*X00" % (lines[k][:4], len(lines[k]) - 6, count))])
# The slowest for srec_cat (64 MiB of fill) first, so that they do not end the run alone.
names = sorted((n[:-4] for n in os.listdir(os.path.join(work, "corpus"))),
               key=lambda n: not n.startswith("limit"))

def linux(name):
    out = os.path.join(work, "linux", name + ".bin")
    code = run("sh", os.path.join(converters, "SRECORD.sh"), corpus(name), out).returncode
    return code, read(out)

def read(path):
    return open(path, "rb").read() if os.path.exists(path) else None

# Wine starts a process in about 0.1 s once its server runs: one batch file converts half the corpus,
# two of them side by side.
def windows(names):
    folder, runs = os.path.join(work, "windows"), []
    os.makedirs(folder)
    for n, half in enumerate([names[0::2], names[1::2]]):
        with open(os.path.join(folder, "run%d.bat" % n), "w", newline="\r\n") as f:
            f.write("@echo off\n")
            for name in half:  # Wine's drive Z: is the root folder
                f.write('"Z:%s\\SRECORD.EXE" "Z:%s" "%s.bin" 2>nul\n' % (build, corpus(name), name))
                f.write(">>codes%d.txt echo %s %%ERRORLEVEL%%\n" % (n, name))
        runs.append(subprocess.Popen(["wine", "cmd", "/c", "run%d.bat" % n], cwd=folder, env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    codes = {}
    for n, p in enumerate(runs):
        p.wait()
        codes.update(line.split() for line in open(os.path.join(folder, "codes%d.txt" % n)))
    return {name: (codes.get(name), read(os.path.join(folder, name + ".bin"))) for name in names}

if not os.path.isdir(env["WINEPREFIX"]):
    run("wineboot", "--init", check=True)
run("wineserver", "-p", "10")  # a server already running (after wineboot) stays
os.makedirs(os.path.join(work, "linux"))
# Wine mostly waits for its processes to start: the Linux runs go on beside it.
with concurrent.futures.ThreadPoolExecutor(3) as pool:
    windows_run = pool.submit(windows, names)
    theirs = dict(zip(names, pool.map(linux, names)))
    ours = windows_run.result()
accepted = 0
for name in names:
    (code, image), (wcode, wimage) = theirs[name], ours[name]
    if (code == 0) != (wcode == "0") or image != wimage:
        failures.append("%s: Linux %s (%s bytes), Windows %s (%s bytes)" % (
            name, code, image and len(image), wcode, wimage and len(wimage)))
    accepted += code == 0
for name in good:
    if theirs[name][0] != 0 and name != "limit-over":
        failures.append("%s: a real tool's file is refused" % name)
print("%d files: %d accepted, %d refused by srec_cat; %d differ" % (
    len(names), accepted, len(names) - accepted, len(failures)))

# The batch files in a program folder of their own, as the wizard runs them.
program = os.path.join(work, "program")
os.makedirs(program)
for f in ["ConvertBoot.bat", "ConvertFont.bat", "ConvertAply.bat", "SRECORD.EXE", "CNVS.EXE"]:
    shutil.copy(os.path.join(build, f), program)

# Each run starts with the work files of an earlier one in place (the .MOT only if source is given).
def convert(source, *command):
    mot, out, raw = (os.path.join(program, "ZELTO." + e) for e in ("MOT", "BIN", "RAW"))
    if os.path.exists(mot):
        os.remove(mot)
    if source:
        shutil.copy(corpus(source), mot)
    open(out, "wb").write(b"stale")
    shutil.copy(os.path.join(work, "linux", "objcopy-s1.bin"), raw)
    code = run("wine", *command, cwd=program).returncode
    return code, read(out), os.path.exists(raw)

good_image = theirs["objcopy-s1"][1]
for batch in ["ConvertBoot.bat", "ConvertFont.bat", "ConvertAply.bat"]:
    if convert("objcopy-s1", "cmd", "/c", batch, "ZELTO", "ZELTO.BIN") != (0, good_image, False):
        failures.append("%s does not convert a good file" % batch)
# Refused by SRECORD.EXE; by CNVS.EXE alone (no record closes the data); no input at all.
for source in ["objcopy-s1-checksum", "objcopy-s1-cut-at-line", None]:
    code, image, raw = convert(source, "cmd", "/c", "ConvertBoot.bat", "ZELTO", "ZELTO.BIN")
    if code == 0 or image is not None or raw:
        failures.append("ConvertBoot.bat with %s: exit code %d, output %s, raw file %s" % (
            source, code, "left" if image is not None else "gone", "left" if raw else "gone"))
# CNVS.EXE publishes over an output that is there (rename alone cannot on Windows).
if convert("objcopy-s1", "CNVS.EXE", "ZELTO.MOT", "ZELTO.RAW", "ZELTO.BIN")[:2] != (0, good_image):
    failures.append("CNVS.EXE does not replace an existing output file")
run("wineserver", "-k")
print("\n".join(failures) or "all agree", "(%.1f s)" % (time.monotonic() - started))
if not failures:
    shutil.rmtree(work)  # some 300 MB; kept to look at when the test fails
sys.exit(1 if failures else 0)
