#include "parser/ast_printer.h"

#include <charconv>

namespace quillo {

namespace {

std::string_view op_text(TokenKind k) {
    switch (k) {
    case TokenKind::Or: return "or";
    case TokenKind::And: return "and";
    case TokenKind::Equal: return "==";
    case TokenKind::NotEqual: return "!=";
    case TokenKind::Less: return "<";
    case TokenKind::Greater: return ">";
    case TokenKind::LessEqual: return "<=";
    case TokenKind::GreaterEqual: return ">=";
    case TokenKind::Plus: return "+";
    case TokenKind::Minus: return "-";
    case TokenKind::Star: return "*";
    case TokenKind::Slash: return "/";
    case TokenKind::Percent: return "%";
    case TokenKind::Power: return "**";
    case TokenKind::Not: return "not";
    case TokenKind::PlusAssign: return "+=";
    case TokenKind::MinusAssign: return "-=";
    case TokenKind::StarAssign: return "*=";
    case TokenKind::SlashAssign: return "/=";
    default: return token_kind_name(k);
    }
}

struct Printer {
    std::string out;

    void expr(const Expr& e) {
        std::visit([this](const auto& n) { node(n); }, e.node);
    }
    void node(const Expr::Number& n) { out += std::to_string(n.value); }
    void node(const Expr::Float& n) {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, n.value);
        out += "(float ";
        out.append(buf, r.ptr);
        out += ')';
    }
    void node(const Expr::String& n) { append_quoted(out, n.text.text()); }
    void node(const Expr::Boolean& n) { out += n.value ? "true" : "false"; }
    void node(const Expr::Identifier& n) { out += n.name.text(); }
    void node(const Expr::Binary& n) {
        out += '(';
        out += op_text(n.op.kind);
        out += ' ';
        expr(*n.left);
        out += ' ';
        expr(*n.right);
        out += ')';
    }
    void node(const Expr::Unary& n) {
        out += n.op.kind == TokenKind::Minus ? "(neg " : "(not ";
        expr(*n.operand);
        out += ')';
    }
    void list(const std::vector<Expr>& xs) {
        for (const Expr& x : xs) {
            out += ' ';
            expr(x);
        }
    }
    void node(const Expr::Call& n) {
        out += "(call ";
        out += n.name.text();
        list(n.args);
        out += ')';
    }
    void node(const Expr::Array& n) {
        out += "(array";
        list(n.elements);
        out += ')';
    }
    void node(const Expr::Dict& n) {
        out += "(dict";
        for (const DictEntry& d : n.entries) {
            out += " (";
            out += d.key.text();
            out += ' ';
            expr(*d.value);
            out += ')';
        }
        out += ')';
    }
    void node(const Expr::Index& n) {
        out += "(index ";
        expr(*n.object);
        out += ' ';
        expr(*n.index);
        out += ')';
    }
    void node(const Expr::Range& n) {
        out += "(range ";
        expr(*n.start);
        out += ' ';
        expr(*n.end);
        out += ')';
    }

    void block(const Block& b) {
        out += "(block";
        for (const Stmt& s : b) {
            out += ' ';
            stmt(s);
        }
        out += ')';
    }
    void stmt(const Stmt& s) {
        std::visit([this](const auto& n) { node(n); }, s.node);
    }
    void named(std::string_view head, Symbol name, const Expr& value) {
        out += '(';
        out += head;
        out += ' ';
        out += name.text();
        out += ' ';
        expr(value);
        out += ')';
    }
    void node(const Stmt::Let& n) { named("let", n.name, n.value); }
    void node(const Stmt::Assign& n) { named("assign", n.name, n.value); }
    void node(const Stmt::CompoundAssign& n) { named(op_text(n.op.kind), n.name, n.value); }
    void node(const Stmt::FunctionDef& n) {
        out += "(def ";
        out += n.name.text();
        out += " (";
        for (std::size_t i = 0; i < n.params().size(); ++i) {
            if (i) out += ' ';
            out += n.params()[i].text();
        }
        out += ") ";
        block(n.body());
        out += ')';
    }
    void node(const Stmt::If& n) {
        out += "(if ";
        expr(n.condition);
        out += ' ';
        block(n.then_body);
        if (n.else_body) {
            out += ' ';
            block(*n.else_body);
        }
        out += ')';
    }
    void node(const Stmt::While& n) {
        out += "(while ";
        expr(n.condition);
        out += ' ';
        block(n.body);
        out += ')';
    }
    void node(const Stmt::For& n) {
        out += "(for ";
        out += n.variable.text();
        out += ' ';
        expr(n.iterable);
        out += ' ';
        block(n.body);
        out += ')';
    }
    void node(const Stmt::Match& n) {
        out += "(match ";
        expr(n.subject);
        for (const MatchArm& a : n.arms) {
            out += " (arm ";
            if (a.pattern) {
                expr(*a.pattern);
            } else {
                out += '_';
            }
            out += ' ';
            block(a.body);
            out += ')';
        }
        out += ')';
    }
    void node(const Stmt::TryCatch& n) {
        out += "(try ";
        block(n.body);
        out += ' ';
        out += n.error_name.text();
        out += ' ';
        block(n.handler);
        out += ')';
    }
    void node(const Stmt::Return& n) {
        out += "(return";
        if (n.value) {
            out += ' ';
            expr(*n.value);
        }
        out += ')';
    }
    void node(const Stmt::Break&) { out += "(break)"; }
    void node(const Stmt::Continue&) { out += "(continue)"; }
    void node(const Stmt::Global& n) {
        out += "(global ";
        out += n.name.text();
        out += ')';
    }
    void node(const Stmt::Expression& n) {
        out += "(expr ";
        expr(n.expr);
        out += ')';
    }
};

} // namespace

std::string to_sexpr(const Expr& e) {
    Printer p;
    p.expr(e);
    return std::move(p.out);
}

std::string to_sexpr(const Stmt& s) {
    Printer p;
    p.stmt(s);
    return std::move(p.out);
}

std::string to_sexpr(const Block& b) {
    Printer p;
    p.block(b);
    return std::move(p.out);
}

std::string to_sexpr(const Program& prog) {
    Printer p;
    for (std::size_t i = 0; i < prog.statements.size(); ++i) {
        if (i) p.out += '\n';
        p.stmt(prog.statements[i]);
    }
    return std::move(p.out);
}

} // namespace quillo
