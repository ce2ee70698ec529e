#!/usr/bin/env python3
"""Writes the Word documents the LibreOffice layout tests open: notices as
users get them from colleagues, written as Word writes its files.

    makedocuments.py OUTPUT_DIR

Each document is a zip of WordprocessingML parts. Paragraphs are given as
tuples (text, properties); the properties are a small dict:

    indent   "chars" - first-line indent of two characters, as Word writes it
                       (w:firstLineChars with its length in w:firstLine)
             "points" - the same indent as a length only (as other writers
                       and Word's own ruler write it)
    center   centred
    size     font size in points (the body is 16 pt, 三号)
    font     East Asian font of the runs
    mark     the paragraph is part of a converted document's head: it gets
             the bookmark the conversion puts on it
    table    the "paragraph" is a table: a list of rows of cell texts
"""
import os
import sys
import zipfile
from xml.sax.saxutils import escape

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"

CONTENT_TYPES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>
<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>
<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>
</Types>"""

PACKAGE_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>
</Relationships>"""

DOCUMENT_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings" Target="settings.xml"/>
</Relationships>"""

SETTINGS = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:settings xmlns:w="{W}"><w:defaultTabStop w:val="420"/>
<w:characterSpacingControl w:val="compressPunctuation"/><w:compat>
<w:spaceForUL/><w:balanceSingleByteDoubleByteWidth/><w:doNotLeaveBackslashAlone/>
<w:ulTrailSpace/><w:doNotExpandShiftReturn/><w:adjustLineHeightInTable/>
<w:useFELayout/></w:compat></w:settings>"""

# The Normal style of a Chinese Word installation, set to the body of an
# official document: 仿宋 16 pt, single spacing.
STYLES = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="{W}"><w:docDefaults><w:rPrDefault><w:rPr>
<w:rFonts w:ascii="Times New Roman" w:eastAsia="仿宋_GB2312" w:hAnsi="Times New Roman" w:cs="Times New Roman"/>
<w:kern w:val="2"/><w:sz w:val="32"/><w:szCs w:val="32"/><w:lang w:val="en-US" w:eastAsia="zh-CN" w:bidi="ar-SA"/>
</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:jc w:val="both"/></w:pPr></w:pPrDefault></w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="a"><w:name w:val="Normal"/><w:qFormat/>
<w:pPr><w:widowControl w:val="0"/><w:jc w:val="both"/></w:pPr></w:style>
<w:style w:type="character" w:default="1" w:styleId="a0"><w:name w:val="Default Paragraph Font"/></w:style>
<w:style w:type="table" w:default="1" w:styleId="a1"><w:name w:val="Normal Table"/>
<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/>
<w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>
</w:tblCellMar></w:tblPr></w:style>
<w:style w:type="table" w:styleId="a3"><w:name w:val="Table Grid"/><w:basedOn w:val="a1"/>
<w:tblPr><w:tblBorders><w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/>
<w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/>
<w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/>
<w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/></w:tblBorders></w:tblPr></w:style>
</w:styles>"""

# A4 with Word's default margins of a Chinese installation and its line grid.
SECTION = """<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>
<w:pgMar w:top="1440" w:right="1800" w:bottom="1440" w:left="1800" w:header="851" w:footer="992" w:gutter="0"/>
<w:cols w:space="425"/><w:docGrid w:type="lines" w:linePitch="312"/></w:sectPr>"""


def run(text, props):
    rpr = ""
    if "font" in props:
        rpr += f'<w:rFonts w:hint="eastAsia" w:eastAsia="{props["font"]}"/>'
    if "size" in props:
        half = int(props["size"] * 2)
        rpr += f'<w:sz w:val="{half}"/><w:szCs w:val="{half}"/>'
    rpr = f"<w:rPr>{rpr}</w:rPr>" if rpr else ""
    return f'<w:r>{rpr}<w:t xml:space="preserve">{escape(text)}</w:t></w:r>' if text else ""


def paragraph(text, props, mark):
    ppr = ""
    if props.get("indent") == "chars":
        ppr += '<w:ind w:firstLineChars="200" w:firstLine="640"/>'
    elif props.get("indent") == "points":
        ppr += '<w:ind w:firstLine="640"/>'
    if props.get("center"):
        ppr += '<w:jc w:val="center"/>'
    ppr = f"<w:pPr>{ppr}</w:pPr>" if ppr else ""
    body = run(text, props)
    if mark is not None:
        body = (f'<w:bookmarkStart w:id="{mark}" w:name="_qvx_head_{mark + 1}"/>'
                f'{body}<w:bookmarkEnd w:id="{mark}"/>')
    return f"<w:p>{ppr}{body}</w:p>"


def table(rows):
    cells_per_row = max(len(r) for r in rows)
    width = 8306 // cells_per_row
    grid = "".join(f'<w:gridCol w:w="{width}"/>' for _ in range(cells_per_row))
    out = [f'<w:tbl><w:tblPr><w:tblStyle w:val="a3"/><w:tblW w:w="0" w:type="auto"/>'
           f'<w:tblLook w:val="04A0"/></w:tblPr><w:tblGrid>{grid}</w:tblGrid>']
    for row in rows:
        out.append("<w:tr>")
        for text in row:
            # Table text as people set it: 宋体 12 pt, centred, single spacing.
            out.append(f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/></w:tcPr>'
                       f'<w:p><w:pPr><w:jc w:val="center"/></w:pPr>'
                       f'{run(text, {"font": "宋体", "size": 12})}</w:p></w:tc>')
        out.append("</w:tr>")
    out.append("</w:tbl>")
    return "".join(out)


def document(paragraphs):
    body = []
    marks = 0
    for text, props in paragraphs:
        if "table" in props:
            body.append(table(props["table"]))
            continue
        mark = None
        if props.get("mark"):
            mark = marks
            marks += 1
        body.append(paragraph(text, props, mark))
    return (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            f'<w:document xmlns:w="{W}" xmlns:r="{R}"><w:body>'
            + "".join(body) + SECTION + "</w:body></w:document>")


def write(path, paragraphs):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml", CONTENT_TYPES)
        z.writestr("_rels/.rels", PACKAGE_RELS)
        z.writestr("word/_rels/document.xml.rels", DOCUMENT_RELS)
        z.writestr("word/document.xml", document(paragraphs))
        z.writestr("word/styles.xml", STYLES)
        z.writestr("word/settings.xml", SETTINGS)


TITLE = ("关于做好2025年度安全生产工作的通知", {"center": True, "size": 22, "font": "方正小标宋_GBK"})
RECIPIENT = ("各区县人民政府，市政府各部门：", {})
OPENING = "为切实防范遏制各类生产安全事故，现就有关事项通知如下。"
BODY = ("各地区各部门要坚持人民至上、生命至上，统筹发展和安全，以防范化解重大安全风险为主线，"
        "确保各项任务落到实处、见到实效。")


def notice(indent, prefix=""):
    """A short notice, every line below the recipient indented as `indent`
    says (or typed with `prefix` in front)."""
    lines = [OPENING, "一、总体要求", BODY, "（一）压实工作责任。" + BODY, "二、工作措施",
             "（二）强化风险排查", BODY]
    props = {"indent": indent} if indent else {}
    return [TITLE, RECIPIENT] + [(prefix + line, props) for line in lines] + [
        ("某某市人民政府", {}), ("2025年1月6日", {})]


def long_notice():
    """A notice of a few pages: more body text, with second-level headings."""
    return notice("chars")[:-2] + [
        ("（%s）%s" % ("一二三四五六七八九十"[i // 4], BODY) if i % 4 == 0 else BODY,
         {"indent": "chars"}) for i in range(24)] + notice("chars")[-2:]


DOCUMENTS = {
    # Indents as Word writes a two-character indent.
    "indent-chars.docx": notice("chars"),
    # The same indent as a length only.
    "indent-points.docx": notice("points"),
    # Typed indents: full-width spaces and ASCII ones, and an attachment
    # whose head and title were indented the same way.
    "indent-spaces.docx": [TITLE, RECIPIENT]
    + [("\u3000\u3000" + line, {}) for line in [OPENING, "一、总体要求", BODY]]
    + [("    （一）压实工作责任。" + BODY, {}), ("\u3000\u3000" + BODY, {})]
    + [("\u3000\u3000附件1", {}), ("\u3000\u3000\u3000\u3000重点任务清单", {}), ("", {}),
       ("\u3000\u3000" + BODY, {})],
    # A notice typed without any indent, as pasted text comes in.
    "typed-notice.docx": notice(None),
    # The same after a conversion: number line, title and recipient carry the
    # marks of the converted head.
    "converted-notice.docx": [("某政办〔2025〕3号", {"center": True, "mark": True}),
                              (TITLE[0], dict(TITLE[1], mark=True)),
                              (RECIPIENT[0], {"mark": True})] + notice(None)[2:],
    # A notice of a few pages, for what the pages show.
    "long-notice.docx": long_notice(),
    # An attachment whose title is followed by a table.
    "attachment-table.docx": long_notice()
    + [("附件2", {}), ("安全生产重点任务统计表", {}),
       ("", {"table": [["重点任务", "牵头单位"], ["隐患排查", "市应急管理局"]]}),
       ("（一）填报说明。" + BODY, {"indent": "chars"})],
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    for name, paragraphs in DOCUMENTS.items():
        write(os.path.join(out, name), paragraphs)


if __name__ == "__main__":
    main()
