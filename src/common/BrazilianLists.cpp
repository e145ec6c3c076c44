#include "common/BrazilianLists.h"

namespace vorna::lists {

const QStringList& occupations()
{
    static const QStringList list = {
        QStringLiteral("Do Lar"), QStringLiteral("Estudante"), QStringLiteral("Estagiário(a)"),
        QStringLiteral("Vendedor(a)"), QStringLiteral("Autônomo(a)"), QStringLiteral("Mecânico"),
        QStringLiteral("Motorista"), QStringLiteral("Eletrecista"), QStringLiteral("Encanador"),
        QStringLiteral("Cabeleireiro(a)"), QStringLiteral("Pedagogo(a)"), QStringLiteral("Veterinário(a)"),
        QStringLiteral("Pedreiro"), QStringLiteral("Relações Públicas"), QStringLiteral("Rep.Comercial"),
        QStringLiteral("Médico(a)"), QStringLiteral("Dentista"), QStringLiteral("Farmaceutico(a)"),
        QStringLiteral("Agricultor"), QStringLiteral("Criador"), QStringLiteral("Engenheiro(a)"),
        QStringLiteral("Empresário(a)"), QStringLiteral("Comerciante"), QStringLiteral("Professor(a)"),
        QStringLiteral("Funcionário Público"), QStringLiteral("Desportista"), QStringLiteral("Assal.Comércio"),
        QStringLiteral("Assal.Indústria"), QStringLiteral("Assal.Serviços"), QStringLiteral("Assal.Agricultura"),
        QStringLiteral("Assal.Saúde"), QStringLiteral("Assal.Const.Civil"), QStringLiteral("Assal.Aeroviário"),
        QStringLiteral("Assal.Metroviário"), QStringLiteral("Assal.Const.Naval"), QStringLiteral("Assal.Cabotagem"),
        QStringLiteral("Piloto Aeronave"), QStringLiteral("Jornalista"), QStringLiteral("Polícial"),
        QStringLiteral("Militar"), QStringLiteral("Político(a)"), QStringLiteral("Aposentado(a)"),
        QStringLiteral("Advogado(a)"), QStringLiteral("Bancário(a)"), QStringLiteral("Taxista"),
        QStringLiteral("Frotista"), QStringLiteral("Músico(a)"), QStringLiteral("Secretário(a)"),
        QStringLiteral("Corretor de Imóveis"), QStringLiteral("Corretor de Seguros"), QStringLiteral("Corretor de Ações"),
        QStringLiteral("Revendedor de Autos"), QStringLiteral("Prop.Estacionamento"), QStringLiteral("Psicólogo(a)"),
        QStringLiteral("Notário"), QStringLiteral("Despachante"), QStringLiteral("Publicitário(a)"),
        QStringLiteral("Arquiteto(a)"), QStringLiteral("Administrador(a)"), QStringLiteral("Economista"),
    };
    return list;
}

const QStringList& stateCodes()
{
    static const QStringList list = {
        QStringLiteral("AC"), QStringLiteral("AM"), QStringLiteral("AP"), QStringLiteral("RR"), QStringLiteral("RO"),
        QStringLiteral("PA"), QStringLiteral("TO"), QStringLiteral("MT"), QStringLiteral("MS"), QStringLiteral("GO"),
        QStringLiteral("DF"), QStringLiteral("MG"), QStringLiteral("SP"), QStringLiteral("RJ"), QStringLiteral("ES"),
        QStringLiteral("PR"), QStringLiteral("PB"), QStringLiteral("SC"), QStringLiteral("RS"), QStringLiteral("BA"),
        QStringLiteral("SE"), QStringLiteral("AL"), QStringLiteral("RN"), QStringLiteral("CE"), QStringLiteral("MA"),
        QStringLiteral("PI"), QStringLiteral("FN"), QStringLiteral("PE"),
    };
    return list;
}

}  // namespace vorna::lists
