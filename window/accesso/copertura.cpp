#include "copertura.h"

#include <QRect>
#include <algorithm>
#include <iterator>

namespace mappix {
namespace {

const Controllo& Di(const Controlli& c, const char* nome) {
    const std::pair<const char*, const Controllo*> tutti[] = {{"FrmHelp", &c.FrmHelp},
                                                              {"CmdNuovo", &c.CmdNuovo},
                                                              {"CmdFine", &c.CmdFine},
                                                              {"FramRegio", &c.FramRegio},
                                                              {"CmdReset", &c.CmdReset},
                                                              {"FramCitta", &c.FramCitta},
                                                              {"ProgressBar1", &c.ProgressBar1},
                                                              {"Frame1", &c.Frame1},
                                                              {"Text1", &c.Text1},
                                                              {"CmdIniz", &c.CmdIniz},
                                                              {"TxtNome", &c.TxtNome},
                                                              {"CmdHlp", &c.CmdHlp},
                                                              {"Label2", &c.Label2},
                                                              {"LblNote", &c.LblNote},
                                                              {"LblTotTent", &c.LblTotTent},
                                                              {"LblNumDom", &c.LblNumDom},
                                                              {"LblTentativi", &c.LblTentativi},
                                                              {"LblDom0", &c.LblDom0},
                                                              {"LblDom1", &c.LblDom1},
                                                              {"LblNome", &c.LblNome},
                                                              {"LbLInfo", &c.LbLInfo},
                                                              {"Image4", &c.Image4},
                                                              {"Label1", &c.Label1},
                                                              {"Image3", &c.Image3}};
    const auto trovato = std::find_if(std::begin(tutti), std::end(tutti), [nome](const auto& t) {
        return QLatin1String(t.first) == QLatin1String(nome);
    });
    return *trovato->second;
}

QRect Riquadro(const Controllo& c) {
    return {c.Left, c.Top, c.Width, c.Height};
}

// The panels paint their whole rectangle; the other controls may let what
// lies below show through.
bool Pannello(const char* nome) {
    const QLatin1String n(nome);
    return n == QLatin1String("FrmHelp") || n == QLatin1String("FramRegio") ||
           n == QLatin1String("FramCitta");
}

}  // namespace

std::vector<QString> Coperti(const Controlli& stato) {
    std::vector<QString> coperti;
    for (std::size_t i = 0; i < kDallAlto.size(); ++i) {
        // The two map panels share one place, and only one is ever shown.
        if (Pannello(kDallAlto[i])) {
            continue;
        }
        const QRect posto = Riquadro(Di(stato, kDallAlto[i]));
        for (std::size_t sopra = 0; sopra < i; ++sopra) {
            const Controllo& pannello = Di(stato, kDallAlto[sopra]);
            if (Pannello(kDallAlto[sopra]) && pannello.Visible &&
                Riquadro(pannello).contains(posto)) {
                coperti.push_back(QString::fromLatin1(kDallAlto[i]));
                break;
            }
        }
    }
    return coperti;
}

}  // namespace mappix
