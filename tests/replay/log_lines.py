"""Reading a log the way the program's file replay reads it."""


def file_lines(data):
    """Lines of a log file: ended by LF, CR or CR LF; an unterminated last line counts."""
    lines, start, i = [], 0, 0
    while i < len(data):
        if data[i] in b"\r\n":
            lines.append(data[start:i])
            i += 2 if data[i:i + 2] == b"\r\n" else 1
            start = i
        else:
            i += 1
    if start < len(data):
        lines.append(data[start:])
    return lines
