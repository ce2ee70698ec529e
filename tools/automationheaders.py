"""Reads the object model's interfaces from host/automation/*.h, for the
generators that write code for every interface method (gen-counting-writer.py,
gen-dead-walker.py).

parse() answers {class name: (base, [(return type, method, parameters, const)])}
in the headers' order. A virtual declaration that the parser does not
understand stops the generator instead of being left out."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

class_re = re.compile(r"class (\w+) : public (\w+)\s*\{(.*?)\n\};", re.S)
method_re = re.compile(r"virtual ([\w:<>]+(?: \*)?) (\w+)\(((?:[^()]|\([^()]*\))*)\)( const)?\s*=\s*0;", re.S)
# Every virtual except the destructor, as written in a header.
virtual_re = re.compile(r"\bvirtual\s+(?!~)[^;{]*?(\w+)\s*\(")


def parse(generator):
    classes = {}
    for h in sorted((ROOT / "host/automation").glob("*.h")):
        text = h.read_text()
        parsed = []
        for m in class_re.finditer(text):
            name, base, body = m.groups()
            methods = []
            for mm in method_re.finditer(body):
                ret, meth, params, const = mm.groups()
                methods.append((ret, meth, " ".join(params.split()), bool(const)))
                parsed.append(meth)
            classes[name] = (base, methods)
        declared = virtual_re.findall(re.sub(r"//[^\n]*", "", text))
        if sorted(declared) != sorted(parsed):
            missed = sorted(set(declared) - set(parsed)) or sorted(declared)
            sys.exit(f"{generator}: {h.name}: cannot read the virtual(s) {', '.join(missed)}; "
                     "declare them as 'virtual Type name(...) [const] = 0;' inside "
                     "'class Name : public Base { ... };' or extend tools/automationheaders.py")
    return classes


def all_methods(classes, name):
    base, methods = classes[name]
    inherited = all_methods(classes, base) if base in classes else []
    return inherited + methods


def split_params(params):
    out, depth, cur = [], 0, ""
    for ch in params:
        if ch == "," and depth == 0:
            out.append(cur.strip())
            cur = ""
            continue
        depth += ch in "(<"
        depth -= ch in ")>"
        cur += ch
    if cur.strip():
        out.append(cur.strip())
    return out


def strip_default(p):
    return p.split("=")[0].strip()


def param_name(p):
    return re.split(r"[ &*]", strip_default(p))[-1]


def param_type(p):
    """The parameter's type without const, reference and name: "QString"."""
    decl = strip_default(p)
    decl = decl[: len(decl) - len(param_name(p))]
    return decl.replace("const ", "").replace("&", "").strip()
