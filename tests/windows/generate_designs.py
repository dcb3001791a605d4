#!/usr/bin/env python3
"""Writes COUNT design inputs of both code editions, the same files on every run, for comparing the Linux
and the Windows program's results bit for bit:

    generate_designs.py EXAMPLE.tvrl COUNT FOLDER

Each file is the example with the slab type, materials, bars, fill, pavement, load and sizes drawn from a
fixed sequence; every other file is of the 2018 edition with a safety class. Some inputs are refused by the
input checks, as a user's would be: their messages are compared too."""
import pathlib
import sys

# Line number (1-based) of each value in a .tvrl file, and the choices drawn for it.
CHOICES = {
    7: ["公路-I级", "公路-II级"],
    8: ["C25", "C30", "C35", "C40"],
    14: ["12", "14", "16", "18", "20", "22", "25", "28", "32"],
    15: [str(n) for n in range(4, 25)],
    20: ["I类环境", "II类环境", "III类环境"],
    23: ["0.5", "1", "2.5", "4", "6", "8.5", "12", "16", "20"],
    26: ["6", "8", "10"],
    27: ["2", "4", "9"],
    34: ["5", "10", "20"],
    35: ["1", "2"],
    36: ["0", "10", "50"],
    39: [str(n) for n in range(16, 60, 3)],
    40: [str(n) for n in range(18, 64, 3)],
    43: ["1", "1.5", "2", "2.5", "3", "3.5", "4", "5", "6"],
    44: ["0.2", "0.25", "0.3"],
    47: ["3", "4", "5"],
}
SLAB_TYPE_LINES = (2, 3, 4)  # buried, open, user-defined load: one of them is 1
BAR_GRADE_LINE = 13
BAR_GRADES = {"2004": ["R235", "HRB335", "HRB400"], "2018": ["HPB300", "HRB400", "HRB500"]}


class Sequence:
    """A linear congruential generator (Knuth's MMIX constants): the same numbers on every machine and
    Python version."""

    def __init__(self, seed):
        self.state = seed

    def below(self, limit):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return (self.state >> 33) % limit


def with_value(line, value):
    """The line with its value replaced; the 20 spaces and the quantity's name kept."""
    return value + line[line.index("                    "):]


def design(example_lines, number):
    draw = Sequence(number + 1)
    lines = list(example_lines)
    slab_type = draw.below(3)
    for index, line_number in enumerate(SLAB_TYPE_LINES):
        lines[line_number - 1] = with_value(lines[line_number - 1], "1" if index == slab_type else "0")
    for line_number, choices in CHOICES.items():
        lines[line_number - 1] = with_value(lines[line_number - 1], choices[draw.below(len(choices))])
    edition = "2018" if number % 2 == 1 else "2004"
    grades = BAR_GRADES[edition]
    lines[BAR_GRADE_LINE - 1] = with_value(lines[BAR_GRADE_LINE - 1], grades[draw.below(len(grades))])
    if edition == "2018":
        lines += [edition, str(1 + draw.below(3))]
    return lines


def main():
    example, count, folder = pathlib.Path(sys.argv[1]), int(sys.argv[2]), pathlib.Path(sys.argv[3])
    example_lines = example.read_bytes().decode("gbk").split("\r\n")[:47]
    folder.mkdir(parents=True, exist_ok=True)
    for number in range(count):
        text = "\r\n".join(design(example_lines, number)) + "\r\n"
        (folder / f"design-{number:04d}.tvrl").write_bytes(text.encode("gbk"))


if __name__ == "__main__":
    main()
