#!/usr/bin/env python3
"""Checks the drawing files tavrel-cli writes for the default record with readers of their own.

    check_drawing_files.py dxf|svg TAVREL_CLI SOURCE_DIR

dxf: ezdxf reads the file and audits it (no errors, only the owner-handle fixes of dxflib's objects); the
header, the code page, the layers with their colours and lineweights, the text styles with the Chinese
fonts, and the bytes are GBK, never UTF-8. svg: the file is well-formed XML with the A3 viewBox and shows
every text of the CSV tables of the same slab ("m³" drawn as "m3", which GBK lacks).
"""
import csv
import io
import json
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"


def write(cli, source, suffix, folder):
    out = pathlib.Path(folder) / f"default{suffix}"
    subprocess.run([cli, "drawing", str(source / "examples/default.tvrl"), "-o", str(out)], check=True,
                   stderr=subprocess.DEVNULL)
    return out


def check_dxf(cli, source, folder):
    import ezdxf

    expected = json.loads((source / "tests/drawing/data/dxf_expectations.json").read_text(encoding="utf-8"))
    path = write(cli, source, ".dxf", folder)
    raw = path.read_bytes()
    problems = []
    if expected["gbkText"].encode("gbk") not in raw:
        problems.append("the drawing's name is not in the file as GBK bytes")
    if bytes.fromhex(expected["forbiddenBytes"]) in raw:
        problems.append("the file holds UTF-8 bytes of a Chinese text")
    raw.decode("gbk")  # raises on bytes that are not GBK
    doc = ezdxf.readfile(str(path))
    auditor = doc.audit()
    if auditor.errors:
        problems.append(f"audit errors: {[error.message for error in auditor.errors]}")
    fixes = {fix.code.name for fix in auditor.fixes}
    if not fixes <= set(expected["allowedFixes"]):
        problems.append(f"audit fixes beyond the owner handles: {fixes}")
    header = doc.header
    for key, want in (("$ACADVER", expected["version"]), ("$DWGCODEPAGE", expected["codepage"]),
                      ("$INSUNITS", expected["insunits"])):
        if header.get(key) != want:
            problems.append(f"{key} is {header.get(key)!r}, not {want!r}")
    for name, colour in expected["layers"].items():
        if not doc.layers.has_entry(name):
            problems.append(f"layer {name} is missing")
            continue
        layer = doc.layers.get(name)
        if layer.dxf.color != colour or layer.dxf.lineweight != expected["lineweights"][name]:
            problems.append(f"layer {name}: colour {layer.dxf.color}, lineweight {layer.dxf.lineweight}")
    for name, want in expected["styles"].items():
        style = doc.styles.get(name)
        got = {"font": style.dxf.font, "width": style.dxf.width}
        if "bigfont" in want:
            got["bigfont"] = style.dxf.bigfont
        if got != want:
            problems.append(f"style {name}: {got}")
    weights = {line.dxf.lineweight for line in doc.modelspace().query("LINE[layer=='图框']")}
    if expected["frameLineweight"] not in weights:
        problems.append("the frame line has not its own lineweight")
    dots = [p for p in doc.modelspace().query("LWPOLYLINE") if p.dxf.const_width > 0]
    if not dots:
        problems.append("no filled dot (a polyline of constant width)")
    return problems


def check_svg(cli, source, folder):
    path = write(cli, source, ".svg", folder)
    tables = write(cli, source, ".csv", folder).read_text(encoding="utf-8-sig")
    root = ElementTree.parse(path).getroot()
    problems = []
    if root.get("viewBox") != "0 0 420 297" or root.get("width") != "420mm":
        problems.append(f"viewBox {root.get('viewBox')}, width {root.get('width')}")
    shown = {element.text for element in root.iter(f"{SVG}text")}
    for row in csv.reader(io.StringIO(tables)):
        for cell in row:
            if cell and cell.replace("m³", "m3") not in shown:
                problems.append(f"the table text {cell!r} is not on the sheet")
    return problems


def main():
    kind, cli, source = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
    with tempfile.TemporaryDirectory() as folder:
        problems = (check_dxf if kind == "dxf" else check_svg)(cli, source, folder)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
